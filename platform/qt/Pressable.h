#pragma once

class QKeyEvent;
class QWidget;

// What the controls that act on a click but are no buttons (a colour swatch, a link) share with
// buttons for a keyboard user.
namespace platform {

// Space, Enter or Return without a modifier, not repeated: the keys that press a control.
bool IsPressKey(const QKeyEvent& event);
// Paints a focus frame `inset` pixels inside the control while it has the focus; called at the
// end of its paint event.
void PaintFocusFrame(QWidget& control, int inset);

}  // namespace platform
