#include "platform/qt/SpeedButton.h"

namespace platform {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
}

}  // namespace platform
