#include "tests/support/qt/AccessibleActions.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace accessible_actions {
namespace {

QAccessibleInterface* Item(QWidget& view, int row, int column) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    if (accessible == nullptr || accessible->tableInterface() == nullptr) {
        ADD_FAILURE() << view.objectName().toStdString() << " is no table";
        return nullptr;
    }
    return accessible->tableInterface()->cellAt(row, column);
}

void DoToggle(QAccessibleInterface* accessible) {
    ASSERT_NE(accessible, nullptr);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
}

// Records every window shown while it lives.
class WindowsShown : public QObject {
  public:
    WindowsShown() { qApp->installEventFilter(this); }
    ~WindowsShown() override { qApp->removeEventFilter(this); }
    WindowsShown(const WindowsShown&) = delete;
    WindowsShown& operator=(const WindowsShown&) = delete;

    QStringList names;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            names.append(QString::fromLatin1(watched->metaObject()->className()));
        return false;
    }
};

// Does the action as assistive technology does: the call must reply before a window opens;
// the event loop then runs what the action left for it.
void DoPress(QAccessibleInterface* accessible, const std::string& what) {
    ASSERT_NE(accessible, nullptr);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction())) << what;
    {
        WindowsShown shown;
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(shown.names.isEmpty())
            << what
            << " opened a window before the call replied: " << shown.names.join(", ").toStdString();
    }
    QCoreApplication::processEvents();
}

}  // namespace

void Toggle(QWidget& control) {
    DoToggle(QAccessible::queryAccessibleInterface(&control));
}

void Press(QWidget& control) {
    DoPress(QAccessible::queryAccessibleInterface(&control), control.objectName().toStdString());
    // Qt's own push button shows itself down for a moment before it clicks.
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        EXPECT_TRUE(QTest::qWaitFor([button] { return !button->isDown(); }));
    }
}

void PressItem(QWidget& view, int row, int column) {
    DoPress(Item(view, row, column), view.objectName().toStdString());
}

void ToggleItem(QWidget& view, int row, int column) {
    DoToggle(Item(view, row, column));
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
