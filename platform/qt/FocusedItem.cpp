#include "platform/qt/FocusedItem.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace platform {

bool SelectFocusedItem(QAbstractItemView& view, const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            break;
        default:
            return false;
    }
    // The keypad's arrows carry the keypad modifier.
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    QItemSelectionModel* selection = view.selectionModel();
    const QModelIndex focused = view.currentIndex();
    if (selection == nullptr || selection->hasSelection() || !focused.isValid()) return false;
    selection->select(focused, QItemSelectionModel::ClearAndSelect);
    return true;
}

}  // namespace platform
