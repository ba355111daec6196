#pragma once

class QDialog;
class QWidget;

namespace platform {

// The control a window opens on: the first of its tab order that takes the focus from the
// keyboard and is shown and enabled when the window is; null when there is none.
QWidget* FirstField(QWidget& window);

// Shows the dialog modally, opening on its first field (an edit's text selected whole, so
// that typing replaces it), and returns its result. The program's dialogs are kept between
// showings, and Qt would open one again on whatever had the focus when it closed (the button
// pressed last time), where typing goes nowhere.
int ShowModal(QDialog& dialog);

}  // namespace platform
