#pragma once

#include <QSpinBox>

namespace platform {

// A spin edit for whole numbers. Its value is its text as it stands, read as a whole number
// and brought into the range, the minimum when the text is no number: a value typed under the
// minimum (or an emptied field) counts as the minimum at once, and Enter or leaving the field
// shows it. `changed()` follows every change of the text: typing, pasting, the accessibility
// interface, the arrows and SetValue.
class SpinEdit : public QSpinBox {
    Q_OBJECT
  public:
    explicit SpinEdit(QWidget* parent = nullptr);

    int GetValue() const;
    // Clamped to the range.
    void SetValue(int value);
    // False leaves the arrows (and the arrow keys) as the only way to change the value: text
    // put in through the accessibility interface is put back at once.
    void SetEditorEnabled(bool enabled);

  signals:
    void changed();

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

  private:
    // A shown text's value, as GetValue reads it.
    int ValueOf(QString text) const;
    QString ValueText() const;
    void TextChanged(const QString& text);

    // Set while the spin box handles a change of its edit's text, which may change its value.
    bool textChanging_ = false;
};

}  // namespace platform
