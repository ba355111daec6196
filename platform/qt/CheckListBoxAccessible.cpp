#include "platform/qt/CheckListBoxAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <map>

#include "platform/qt/CheckListBox.h"

namespace platform {
namespace {

bool IsItem(const CheckListBox& list, int row) {
    return row >= 0 && row < list.count();
}

// One item of the list. It stands for a row, not for the item there: the list drops its items'
// interfaces whenever rows come or go.
class AccessibleCheckListItem : public QAccessibleInterface,
                                public QAccessibleTableCellInterface,
                                public QAccessibleActionInterface {
  public:
    AccessibleCheckListItem(CheckListBox& list, int row) : list_(&list), row_(row) {}

    bool isValid() const override { return list_ && IsItem(*list_, row_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        QAccessibleInterface* list = List();
        return list == nullptr ? nullptr : list->window();
    }
    QAccessibleInterface* parent() const override { return List(); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !isValid()) return {};
        return list_->item(row_)->text();
    }
    // The items are the list's own; nothing is typed into them.
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect item = list_->visualItemRect(list_->item(row_));
        return QRect(list_->viewport()->mapToGlobal(item.topLeft()), item.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.focused = list_->currentRow() == row_ && list_->hasFocus();
        state.checkable = true;
        state.checked = list_->IsChecked(row_);
        state.disabled = !list_->isEnabled();
        state.offscreen =
            !list_->viewport()->rect().intersects(list_->visualItemRect(list_->item(row_)));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return isValid() && list_->item(row_)->isSelected(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return List(); }

    // "Toggle" ticks or unticks the item; "SetFocus" makes it the current one.
    QStringList actionNames() const override { return {toggleAction(), setFocusAction()}; }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == toggleAction()) return {QStringLiteral("Space")};
        return {};
    }
    void doAction(const QString& action) override {
        if (!isValid() || !list_->isEnabled()) return;
        if (action == toggleAction()) {
            list_->SetChecked(row_, !list_->IsChecked(row_));
        } else if (action == setFocusAction()) {
            list_->setFocus(Qt::OtherFocusReason);
            list_->setCurrentRow(row_);
        }
    }

  private:
    QAccessibleInterface* List() const {
        return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
    }

    QPointer<CheckListBox> list_;
    int row_;
};

class AccessibleCheckListBox : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit AccessibleCheckListBox(CheckListBox& list)
        : QAccessibleWidget(&list, QAccessible::List) {}
    ~AccessibleCheckListBox() override { DropItems(); }
    AccessibleCheckListBox(const AccessibleCheckListBox&) = delete;
    AccessibleCheckListBox& operator=(const AccessibleCheckListBox&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return rowCount(); }
    QAccessibleInterface* child(int index) const override { return cellAt(index, 0); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* item = dynamic_cast<const AccessibleCheckListItem*>(child);
        if (item == nullptr || !item->isValid() || item->parent() != this) return -1;
        return item->rowIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QListWidgetItem* item = List().itemAt(List().viewport()->mapFromGlobal(QPoint(x, y)));
        return item == nullptr ? nullptr : cellAt(List().row(item), 0);
    }
    QAccessibleInterface* focusChild() const override { return cellAt(List().currentRow(), 0); }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int /*column*/) const override { return {}; }
    QString rowDescription(int /*row*/) const override { return {}; }
    int columnCount() const override { return 1; }
    int rowCount() const override { return List().count(); }

    int selectedCellCount() const override { return selectedRowCount(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override {
        return static_cast<int>(List().selectedItems().size());
    }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows()) cells.append(cellAt(row, 0));
        return cells;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        for (const QListWidgetItem* item : List().selectedItems()) rows.append(List().row(item));
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int row) const override {
        return IsItem(List(), row) && List().item(row)->isSelected();
    }
    // Selecting an item makes it the current one, as the arrow keys do; it ticks nothing.
    bool selectRow(int row) override {
        if (!IsItem(List(), row) || !List().isEnabled()) return false;
        List().setCurrentRow(row);
        return true;
    }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int row) override {
        if (!IsItem(List(), row) || !List().isEnabled()) return false;
        List().item(row)->setSelected(false);
        return true;
    }
    bool unselectColumn(int /*column*/) override { return false; }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (column != 0 || !IsItem(List(), row)) return nullptr;
        const auto found = items_.find(row);
        if (found != items_.end()) return QAccessible::accessibleInterface(found->second);
        auto* item = new AccessibleCheckListItem(List(), row);
        items_.emplace(row, QAccessible::registerAccessibleInterface(item));
        return item;
    }

    // A tick changes an item's data, which leaves the items where they are.
    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) DropItems();
    }

  private:
    CheckListBox& List() const { return *static_cast<CheckListBox*>(widget()); }

    void DropItems() {
        for (const auto& [row, id] : items_) QAccessible::deleteAccessibleInterface(id);
        items_.clear();
    }

    mutable std::map<int, QAccessible::Id> items_;
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
