#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "platform/qt/Panel.h"
#include "platform/qt/QtColor.h"
#include "tests/support/qt/AccessibleActions.h"
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

std::string Name(QAccessibleInterface& accessible) {
    return accessible.text(QAccessible::Name).toStdString();
}

TEST(Panel, ItsCaptionIsWhatItSaysAfterItsName) {
    Panel status;
    status.setAccessibleName("Stan");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&status);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(Name(*accessible), "Stan");
    status.SetCaption("Zmodyfikowany");
    EXPECT_EQ(Name(*accessible), "Stan: Zmodyfikowany");
    status.SetCaption("");
    EXPECT_EQ(Name(*accessible), "Stan");

    Panel header;  // no name of its own: the caption alone
    header.SetCaption("Przedmiot");
    EXPECT_EQ(Name(*QAccessible::queryAccessibleInterface(&header)), "Przedmiot");
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

TEST(Panel, WithAnActionTheKeyboardAndTheAccessibilityInterfacePressIt) {
    Panel swatch;
    swatch.setAccessibleName("Kolor tła");
    swatch.SetAction("Wybierz kolor");
    EXPECT_TRUE(swatch.focusPolicy() & Qt::TabFocus);
    int clicks = 0;
    QObject::connect(&swatch, &Panel::click, [&] { ++clicks; });
    QTest::keyClick(&swatch, Qt::Key_Space);
    QTest::keyClick(&swatch, Qt::Key_Return);
    QTest::keyClick(&swatch, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&swatch, Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClick(&swatch, Qt::Key_A);
    EXPECT_EQ(clicks, 3);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&swatch);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8("Kolor tła"));
    EXPECT_TRUE(accessible->state().focusable);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QString press = QAccessibleActionInterface::pressAction();
    ASSERT_TRUE(actions->actionNames().contains(press));
    EXPECT_EQ(actions->localizedActionName(press), "Wybierz kolor");
    // The call replies first; the press, which may open a colour dialog, follows.
    actions->doAction(press);
    EXPECT_EQ(clicks, 3);
    QApplication::processEvents();
    EXPECT_EQ(clicks, 4);
    swatch.setEnabled(false);
    actions->doAction(press);
    QApplication::processEvents();
    EXPECT_EQ(clicks, 4);
    // Disabled by the time the press would run: nothing either.
    swatch.setEnabled(true);
    actions->doAction(press);
    swatch.setEnabled(false);
    QApplication::processEvents();
    EXPECT_EQ(clicks, 4);
}

TEST(Panel, WithoutAnActionItIsAPaneTheKeyboardPassesBy) {
    Panel bar;
    EXPECT_EQ(bar.focusPolicy(), Qt::NoFocus);
    int clicks = 0;
    QObject::connect(&bar, &Panel::click, [&] { ++clicks; });
    QTest::keyClick(&bar, Qt::Key_Space);
    EXPECT_EQ(clicks, 0);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Pane);
    EXPECT_FALSE(accessible->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
}

TEST(Panel, APanelTabbedToShowsTheFocus) {
    QWidget window;
    auto* first = new Panel(&window);
    auto* swatch = new Panel(&window);
    for (Panel* panel : {first, swatch}) panel->SetAction("Wybierz kolor");
    swatch->setGeometry(0, 30, 60, 24);
    swatch->SetColor(0xFFFFFF);
    window.show();
    QApplication::setActiveWindow(&window);
    const QImage unfocused = swatch->grab().toImage();
    first->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_TRUE(swatch->hasFocus());
    EXPECT_NE(swatch->grab().toImage(), unfocused);
}

// A window the press opens gives the focus back to where it was: to the panel, however it was
// pressed.
TEST(Panel, APressThroughTheAccessibilityInterfaceLeavesTheFocusOnIt) {
    QWidget window;
    auto* list = new QListWidget(&window);
    auto* swatch = new Panel(&window);
    swatch->SetAction("Wybierz kolor");
    swatch->setGeometry(0, 100, 60, 24);
    QWidget* focusedOnPress = nullptr;
    QObject::connect(swatch, &Panel::click, [&] { focusedOnPress = QApplication::focusWidget(); });
    window.show();
    user_input::Activate(window);
    list->setFocus(Qt::MouseFocusReason);
    accessible_actions::Press(*swatch);
    EXPECT_EQ(swatch, focusedOnPress);
    EXPECT_EQ(swatch, window.focusWidget());
}

}  // namespace
}  // namespace platform
