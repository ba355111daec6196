#pragma once

#include <QSpinBox>

namespace platform {

// A spin edit for whole numbers. `changed()` follows every change of the value, by the user or
// by SetValue.
class SpinEdit : public QSpinBox {
    Q_OBJECT
  public:
    explicit SpinEdit(QWidget* parent = nullptr);

    // The text read as a whole number; the minimum when it is not one.
    int GetValue() const;
    // Clamped to the range.
    void SetValue(int value);
    // False leaves the arrows (and the arrow keys) as the only way to change the value.
    void SetEditorEnabled(bool enabled);

  signals:
    void changed();
};

}  // namespace platform
