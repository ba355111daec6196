#pragma once

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

}  // namespace platform
