// Controls that act on a click reached with the keyboard and through the accessibility
// interface: edits whose text is chosen from a menu, links, and buttons, whenever they got their
// caption.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "platform/qt/Edit.h"
#include "platform/qt/Label.h"
#include "platform/qt/SpeedButton.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

QAccessibleActionInterface& Actions(QWidget& widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    EXPECT_NE(accessible, nullptr);
    EXPECT_NE(accessible->actionInterface(), nullptr);
    return *accessible->actionInterface();
}

TEST(EditChosenFromMenu, TheKeysOfADropDownListAndAClickAskForTheMenu) {
    Edit edit;
    edit.SetChosenFromMenu(true);
    EXPECT_TRUE(edit.isReadOnly());
    int dropDowns = 0;
    QObject::connect(&edit, &Edit::dropDown, [&] { ++dropDowns; });
    QTest::keyClick(&edit, Qt::Key_Space);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&edit, Qt::Key_F4);
    QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
    user_input::Click(edit, edit.rect().center());
    EXPECT_EQ(dropDowns, 6);
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(&edit, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_V);
    EXPECT_EQ(dropDowns, 6);
    EXPECT_EQ(edit.Text(), "");
}

TEST(EditChosenFromMenu, AnOrdinaryEditLeavesTheKeysToTheWindow) {
    Edit edit;
    edit.setReadOnly(true);
    int dropDowns = 0;
    QObject::connect(&edit, &Edit::dropDown, [&] { ++dropDowns; });
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(&edit, &enter);
    EXPECT_FALSE(enter.isAccepted());  // the dialog's default button gets it
    user_input::Click(edit, edit.rect().center());
    EXPECT_EQ(dropDowns, 0);
}

TEST(EditChosenFromMenu, TextSetThroughTheAccessibilityInterfaceIsRefused) {
    Edit edit;
    edit.SetChosenFromMenu(true);
    int changes = 0;
    QObject::connect(&edit, &Edit::changed, [&] { ++changes; });
    edit.SetText("II");
    accessible_actions::ReplaceText(edit, "v");
    EXPECT_EQ(edit.Text(), "II");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&edit);
    accessible->editableTextInterface()->insertText(0, "X");
    accessible->setText(QAccessible::Value, "V");
    EXPECT_EQ(edit.Text(), "II");
    EXPECT_EQ(changes, 0);
    edit.SetText("IV");  // what the window chose from the menu
    EXPECT_EQ(edit.Text(), "IV");
}

TEST(LinkLabel, TakesTheFocusAndIsFollowedByTheKeyboardAndTheAccessibilityInterface) {
    LinkLabel link;
    link.SetText("kontakt@quirvale.example");
    EXPECT_TRUE(link.focusPolicy() & Qt::TabFocus);
    int follows = 0;
    QObject::connect(&link, &Label::clicked, [&] { ++follows; });
    QTest::keyClick(&link, Qt::Key_Return);
    QTest::keyClick(&link, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&link, Qt::Key_Space);
    QTest::keyClick(&link, Qt::Key_A);
    EXPECT_EQ(follows, 3);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&link);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    EXPECT_EQ(accessible->text(QAccessible::Name), "kontakt@quirvale.example");
    EXPECT_TRUE(accessible->state().focusable);
    ASSERT_TRUE(Actions(link).actionNames().contains(QAccessibleActionInterface::pressAction()));
    Actions(link).doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(follows, 3);  // the call replies before the link is followed
    QApplication::processEvents();
    EXPECT_EQ(follows, 4);
}

// A window's buttons get their state as the layout is built and their caption after it; the
// accessibility interface may be made in between.
TEST(ButtonAccessibility, ACheckableButtonIsOneKindWhenEverItGotItsCaption) {
    SpeedButton stateFirst;
    stateFirst.setCheckable(true);
    ASSERT_NE(QAccessible::queryAccessibleInterface(&stateFirst), nullptr);
    stateFirst.setText("Dzień");
    SpeedButton captionFirst;
    captionFirst.setText("Tydzień");
    captionFirst.setCheckable(true);
    for (SpeedButton* button : {&stateFirst, &captionFirst}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        EXPECT_EQ(accessible->role(), QAccessible::CheckBox) << button->text().toStdString();
        EXPECT_EQ(accessible->text(QAccessible::Name), button->text());
        EXPECT_TRUE(
            Actions(*button).actionNames().contains(QAccessibleActionInterface::toggleAction()));
        EXPECT_FALSE(
            Actions(*button).actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
    accessible_actions::Toggle(stateFirst);
    EXPECT_TRUE(stateFirst.isChecked());

    SpeedButton plain;  // not checkable: a button pressed as before
    int clicks = 0;
    QObject::connect(&plain, &SpeedButton::clicked, [&] { ++clicks; });
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&plain)->role(), QAccessible::Button);
    Actions(plain).doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0);  // the call replies before the button clicks
    QApplication::processEvents();
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace platform
