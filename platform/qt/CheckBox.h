#pragma once

#include <QCheckBox>

namespace platform {

// A check box whose `click()` signal runs for a user's click and also when the program changes
// its state; setting the state it already has emits nothing. The report dialogs' loading and
// default routines rely on this. (The signal hides QAbstractButton's click() slot.)
class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit CheckBox(QWidget* parent = nullptr);

    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked);

  signals:
    void click();
};

}  // namespace platform
