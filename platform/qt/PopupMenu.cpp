#include "platform/qt/PopupMenu.h"

#include <QCursor>
#include <QMenu>

namespace platform {

void PopupAtCursor(QMenu& menu) {
    PopupAt(menu, QCursor::pos());
}

void PopupAt(QMenu& menu, QPoint screenPoint) {
    menu.popup(screenPoint);
}

}  // namespace platform
