#include "platform/qt/AccessibleItems.h"

#include <QAbstractScrollArea>

namespace platform {

AccessibleViewItem::AccessibleViewItem(QAbstractScrollArea& view, int row, int column)
    : view_(&view), row_(row), column_(column) {}

QWindow* AccessibleViewItem::window() const {
    QAccessibleInterface* view = table();
    return view == nullptr ? nullptr : view->window();
}

QRect AccessibleViewItem::rect() const {
    if (!isValid()) return {};
    const QRect item = ViewportRect();
    return QRect(view_->viewport()->mapToGlobal(item.topLeft()), item.size());
}

QAccessible::State AccessibleViewItem::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    state.disabled = !view_->isEnabled();
    state.offscreen = !view_->viewport()->rect().intersects(ViewportRect());
    AddOwnState(state);
    return state;
}

void* AccessibleViewItem::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QAccessibleInterface* AccessibleViewItem::table() const {
    return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
}

void* AccessibleViewTable::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* AccessibleViewTable::child(int index) const {
    if (index < 0) return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
}

int AccessibleViewTable::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const AccessibleViewItem*>(child);
    if (item == nullptr || !item->isValid() || item->parent() != this) return -1;
    return item->rowIndex() * columnCount() + item->columnIndex();
}

QAccessibleInterface* AccessibleViewTable::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    const auto found = items_.find({row, column});
    if (found != items_.end()) return QAccessible::accessibleInterface(found->second);
    AccessibleViewItem* item = NewItem(row, column);
    items_.emplace(std::pair(row, column), QAccessible::registerAccessibleInterface(item));
    return item;
}

void AccessibleViewTable::DropItems() {
    for (const auto& [place, id] : items_) QAccessible::deleteAccessibleInterface(id);
    items_.clear();
}

}  // namespace platform
