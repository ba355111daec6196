#include "platform/qt/SpinEdit.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/Numbers.h"

namespace platform {

// The edit's text changes are followed around the spin box's own handling of them, which
// changes the value when it takes the text as a number: one change, told once.
SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(lineEdit()->objectName());
    connect(edit, &QLineEdit::textChanged, this, [this] { textChanging_ = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::textChanged, this, &SpinEdit::TextChanged);
    connect(this, &QSpinBox::valueChanged, this, [this] {
        if (!textChanging_) emit changed();
    });
}

int SpinEdit::GetValue() const {
    return ValueOf(lineEdit()->text());
}

int SpinEdit::ValueOf(QString text) const {
    if (text.startsWith(prefix())) text.remove(0, prefix().size());
    if (text.endsWith(suffix())) text.chop(suffix().size());
    const std::optional<std::int32_t> value = TryStrToInt(text.toStdString());
    return value ? std::clamp(*value, minimum(), maximum()) : minimum();
}

QString SpinEdit::ValueText() const {
    return prefix() + textFromValue(value()) + suffix();
}

// QSpinBox clamps to its range.
void SpinEdit::SetValue(int value) {
    setValue(value);
}

void SpinEdit::SetEditorEnabled(bool enabled) {
    lineEdit()->setReadOnly(!enabled);
}

// A read-only edit takes no text but its value's; the spin box would adopt any other number.
QValidator::State SpinEdit::validate(QString& input, int& pos) const {
    if (lineEdit()->isReadOnly() && input != ValueText()) return QValidator::Invalid;
    return QSpinBox::validate(input, pos);
}

// What QSpinBox cannot take when the field is left (a number under the minimum, an empty
// field) becomes the value the text already stood for.
void SpinEdit::fixup(QString& input) const {
    input = prefix() + textFromValue(ValueOf(input)) + suffix();
}

void SpinEdit::TextChanged(const QString& text) {
    textChanging_ = false;
    if (lineEdit()->isReadOnly() && text != ValueText()) {
        const QSignalBlocker quiet(lineEdit());
        lineEdit()->setText(ValueText());
        return;
    }
    emit changed();
}

}  // namespace platform
