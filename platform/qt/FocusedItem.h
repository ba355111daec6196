#pragma once

class QAbstractItemView;
class QKeyEvent;

namespace platform {

// An item view with the focus frame on an item that nothing selects (Qt puts it on the first
// item when the view takes the focus) shows where a keyboard user stands. For an arrow key
// without a modifier it selects that item instead of moving past it, and tells whether it did;
// the view then takes the key as handled.
bool SelectFocusedItem(QAbstractItemView& view, const QKeyEvent& event);

}  // namespace platform
