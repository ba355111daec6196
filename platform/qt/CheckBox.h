#pragma once

#include <QCheckBox>

namespace platform {

// A check box whose `click()` signal runs once for every change of its state, however it comes:
// the user's mouse or keyboard, the accessibility interface's "Toggle", or the program's
// SetChecked; setting the state it already has emits nothing. The report dialogs' loading and
// default routines rely on this. (The signal hides QAbstractButton's click() slot.)
class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit CheckBox(QWidget* parent = nullptr);

    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }

  signals:
    void click();
};

}  // namespace platform
