#include <gtest/gtest.h>

#include <QImage>

#include "UserInput.h"
#include "platform/qt/Panel.h"
#include "platform/qt/QtColor.h"

namespace platform {
namespace {

class PanelTest : public ::testing::Test {
  protected:
    PanelTest() {
        panel_.resize(40, 20);
        QObject::connect(&panel_, &Panel::click, [this] { events_.push_back("click"); });
        QObject::connect(&panel_, &Panel::doubleClick,
                         [this] { events_.push_back("doubleClick"); });
    }

    Panel panel_;
    std::vector<std::string> events_;
};

TEST_F(PanelTest, ColourIsTheBackground) {
    panel_.SetColor(0xFF8000);
    EXPECT_EQ(panel_.Color(), 0xFF8000u);
    const QImage image = panel_.grab().toImage();
    EXPECT_EQ(FromQColor(image.pixelColor(20, 10)), 0xFF8000u);
}

TEST_F(PanelTest, CaptionIsDrawnInTheMiddle) {
    panel_.resize(200, 30);
    panel_.SetColor(0xFFFFFF);
    const QImage blank = panel_.grab().toImage();
    panel_.SetCaption("brak");
    EXPECT_EQ(panel_.Caption(), "brak");
    const QImage captioned = panel_.grab().toImage();
    EXPECT_NE(captioned, blank);
    for (int y = 0; y < 30; ++y) {  // the edges stay background
        EXPECT_EQ(captioned.pixelColor(0, y), blank.pixelColor(0, y));
        EXPECT_EQ(captioned.pixelColor(199, y), blank.pixelColor(199, y));
    }
}

TEST_F(PanelTest, ClickIsAPressAndReleaseInside) {
    user_input::Click(panel_, QPoint(5, 5));
    user_input::Press(panel_, QPoint(5, 5));
    user_input::Release(panel_, QPoint(100, 5));  // released outside
    user_input::Release(panel_, QPoint(5, 5));    // no press before
    EXPECT_EQ(events_, std::vector<std::string>{"click"});
}

TEST_F(PanelTest, DoubleClickFollowsOneClick) {
    user_input::DoubleClick(panel_, QPoint(5, 5));
    EXPECT_EQ(events_, (std::vector<std::string>{"click", "doubleClick"}));
}

}  // namespace
}  // namespace platform
