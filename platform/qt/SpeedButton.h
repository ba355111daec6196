#pragma once

#include <QAbstractButton>
#include <QToolButton>

namespace platform {

// A flat tool button as the windows' speed buttons behave: it never takes the focus, so a
// click leaves the edit being typed in as it is, and it is never a dialog's default button,
// so Enter in an edit does not press it. Without a caption its hint names it.
class SpeedButton : public QToolButton {
    Q_OBJECT
  public:
    explicit SpeedButton(QWidget* parent = nullptr);
};

// Runs `handler` whenever the button goes down, however it comes down: a click, a key, or the
// accessibility interface's "Toggle", which clicks nothing. The buttons of a group of which
// one is down follow their state so; a click on the button already down changes nothing.
template <class Receiver>
void ConnectDown(QAbstractButton& button, Receiver& receiver, void (Receiver::*handler)()) {
    QObject::connect(&button, &QAbstractButton::toggled, &receiver,
                     [&receiver, handler](bool down) {
                         if (down) (receiver.*handler)();
                     });
}

}  // namespace platform
