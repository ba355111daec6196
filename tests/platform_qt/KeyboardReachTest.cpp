// Controls that act on a click reached with the keyboard and through the accessibility
// interface: edits whose text is chosen from a menu.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "platform/qt/Edit.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

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

}  // namespace
}  // namespace platform
