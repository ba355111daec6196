#include "platform/qt/CheckBox.h"

namespace platform {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QAbstractButton::toggled, this, &CheckBox::click);
}

}  // namespace platform
