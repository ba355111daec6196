#pragma once

#include <QPoint>

class QMenu;

namespace platform {

// Pops the menu up with its top-left corner at the mouse position.
void PopupAtCursor(QMenu& menu);
// Pops the menu up with its top-left corner at a point on the screen.
void PopupAt(QMenu& menu, QPoint screenPoint);

}  // namespace platform
