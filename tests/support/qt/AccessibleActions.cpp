#include "tests/support/qt/AccessibleActions.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

namespace accessible_actions {
namespace {

void DoToggle(QAccessibleInterface* accessible) {
    ASSERT_NE(accessible, nullptr);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
}

}  // namespace

void Toggle(QWidget& control) {
    DoToggle(QAccessible::queryAccessibleInterface(&control));
}

void Press(QWidget& control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    ASSERT_NE(accessible, nullptr);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        << control.objectName().toStdString();
    actions->doAction(QAccessibleActionInterface::pressAction());
}

void ToggleItem(QWidget& view, int row, int column) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTableInterface* table = accessible->tableInterface();
    ASSERT_NE(table, nullptr);
    DoToggle(table->cellAt(row, column));
}

void ReplaceText(QWidget& edit, const QString& text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&edit);
    ASSERT_NE(accessible, nullptr);
    QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    editable->replaceText(0, accessible->textInterface()->characterCount(), text);
}

void InsertText(QWidget& edit, int offset, const QString& text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&edit);
    ASSERT_NE(accessible, nullptr);
    QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    editable->insertText(offset, text);
}

void SetValue(QWidget& edit, const QString& text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&edit);
    ASSERT_NE(accessible, nullptr);
    accessible->setText(QAccessible::Value, text);
}

}  // namespace accessible_actions
