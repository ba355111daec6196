#include "platform/qt/SpinEdit.h"

#include <QLineEdit>

namespace platform {

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {
    connect(this, &QSpinBox::valueChanged, this, &SpinEdit::changed);
}

int SpinEdit::GetValue() const {
    bool whole = false;
    const int value = cleanText().toInt(&whole);
    return whole ? value : minimum();
}

// QSpinBox clamps to its range.
void SpinEdit::SetValue(int value) {
    setValue(value);
}

void SpinEdit::SetEditorEnabled(bool enabled) {
    lineEdit()->setReadOnly(!enabled);
}

}  // namespace platform
