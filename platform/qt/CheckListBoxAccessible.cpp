#include "platform/qt/CheckListBoxAccessible.h"

#include <algorithm>

#include "platform/qt/AccessibleItems.h"
#include "platform/qt/CheckListBox.h"

namespace platform {
namespace {

bool IsItem(const CheckListBox& list, int row) {
    return row >= 0 && row < list.count();
}

// One item of the list. It stands for a row, not for the item there: the list drops its items'
// interfaces whenever rows come or go.
class AccessibleCheckListItem : public AccessibleViewItem {
  public:
    AccessibleCheckListItem(CheckListBox& list, int row) : AccessibleViewItem(list, row, 0) {}

    bool isValid() const override { return List() && IsItem(*List(), rowIndex()); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !isValid()) return {};
        return List()->item(rowIndex())->text();
    }

    bool isSelected() const override { return isValid() && List()->item(rowIndex())->isSelected(); }

    // "Toggle" ticks or unticks the item; "SetFocus" makes it the current one.
    QStringList actionNames() const override { return {toggleAction(), setFocusAction()}; }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == toggleAction()) return {QStringLiteral("Space")};
        return {};
    }
    void doAction(const QString& action) override {
        if (!isValid() || !List()->isEnabled()) return;
        if (action == toggleAction()) {
            List()->SetChecked(rowIndex(), !List()->IsChecked(rowIndex()));
        } else if (action == setFocusAction()) {
            List()->setFocus(Qt::OtherFocusReason);
            List()->setCurrentRow(rowIndex());
        }
    }

  protected:
    QRect ViewportRect() const override { return List()->visualItemRect(List()->item(rowIndex())); }
    void AddOwnState(QAccessible::State& state) const override {
        state.focused = List()->currentRow() == rowIndex() && List()->hasFocus();
        state.checkable = true;
        state.checked = List()->IsChecked(rowIndex());
    }

  private:
    CheckListBox* List() const { return static_cast<CheckListBox*>(View()); }
};

class AccessibleCheckListBox : public AccessibleViewTable {
  public:
    explicit AccessibleCheckListBox(CheckListBox& list)
        : AccessibleViewTable(list, QAccessible::List) {}

    QAccessibleInterface* childAt(int x, int y) const override {
        const QListWidgetItem* item = List().itemAt(List().viewport()->mapFromGlobal(QPoint(x, y)));
        return item == nullptr ? nullptr : cellAt(List().row(item), 0);
    }
    QAccessibleInterface* focusChild() const override { return cellAt(List().currentRow(), 0); }

    int columnCount() const override { return 1; }
    int rowCount() const override { return List().count(); }

    int selectedCellCount() const override { return selectedRowCount(); }
    int selectedRowCount() const override {
        return static_cast<int>(List().selectedItems().size());
    }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows()) cells.append(cellAt(row, 0));
        return cells;
    }
    QList<int> selectedRows() const override {
        QList<int> rows;
        for (const QListWidgetItem* item : List().selectedItems()) rows.append(List().row(item));
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    bool isRowSelected(int row) const override {
        return IsItem(List(), row) && List().item(row)->isSelected();
    }
    // Selecting an item makes it the current one, as the arrow keys do; it ticks nothing.
    bool selectRow(int row) override {
        if (!IsItem(List(), row) || !List().isEnabled()) return false;
        List().setCurrentRow(row);
        return true;
    }
    bool unselectRow(int row) override {
        if (!IsItem(List(), row) || !List().isEnabled()) return false;
        List().item(row)->setSelected(false);
        return true;
    }

    // A tick changes an item's data, which leaves the items where they are.
    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) DropItems();
    }

  protected:
    AccessibleViewItem* NewItem(int row, int /*column*/) const override {
        return new AccessibleCheckListItem(List(), row);
    }

  private:
    CheckListBox& List() const { return *static_cast<CheckListBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* NewAccessibleCheckListBox(CheckListBox& list) {
    return new AccessibleCheckListBox(list);
}

void AnnounceCheckState(CheckListBox& list, int row) {
    // As Qt's item views do: nothing is made for listeners that are not there.
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&list, changed);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

}  // namespace platform
