#include <gtest/gtest.h>

#include "platform/qt/Panel.h"
#include "platform/qt/QtColor.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

TEST(Panel, ColourIsTheBackgroundAndTheCaptionSitsInTheMiddle) {
    Panel panel;
    panel.resize(200, 30);
    panel.SetColor(0xFF8000);
    EXPECT_EQ(panel.Color(), 0xFF8000u);
    const QImage blank = panel.grab().toImage();
    EXPECT_EQ(FromQColor(blank.pixelColor(100, 15)), 0xFF8000u);
    panel.SetCaption("brak");
    const QImage captioned = panel.grab().toImage();
    EXPECT_NE(captioned.copy(60, 0, 80, 30), blank.copy(60, 0, 80, 30));
    EXPECT_EQ(captioned.copy(0, 0, 60, 30), blank.copy(0, 0, 60, 30));
}

TEST(Panel, ClicksAndADoubleClick) {
    Panel panel;
    panel.resize(40, 20);
    std::vector<std::string> events;
    QObject::connect(&panel, &Panel::click, [&] { events.push_back("click"); });
    QObject::connect(&panel, &Panel::doubleClick, [&] { events.push_back("doubleClick"); });
    user_input::Press(panel, QPoint(5, 5));
    user_input::Release(panel, QPoint(100, 5));  // released outside: no click
    user_input::DoubleClick(panel, QPoint(5, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"click", "doubleClick"}));
}

}  // namespace
}  // namespace platform
