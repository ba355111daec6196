#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

// What the controls that act on a click but are no buttons (a colour swatch, a link) share with
// buttons for a keyboard user, and what every control's press through the accessibility
// interface shares.
namespace platform {

// Space, Enter or Return without a modifier, not repeated: the keys that press a control.
bool IsPressKey(const QKeyEvent& event);
// Paints a focus frame `inset` pixels inside the control while it has the focus; called at the
// end of its paint event.
void PaintFocusFrame(QWidget& control, int inset);
// Runs a press asked for through the accessibility interface once the call has returned, as
// Qt's own push buttons do: a press that opens a modal window would otherwise hold the
// assistive technology's call, and the screen reader with it, until that window closed.
// Nothing runs for a control that is disabled when asked or by then, or that is gone by then.
void PressAfterReply(QWidget& control, std::function<void()> press);

}  // namespace platform
