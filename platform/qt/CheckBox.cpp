#include "platform/qt/CheckBox.h"

namespace platform {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QAbstractButton::clicked, this, &CheckBox::click);
}

void CheckBox::SetChecked(bool checked) {
    if (checked == isChecked()) return;
    setChecked(checked);
    emit click();
}

}  // namespace platform
