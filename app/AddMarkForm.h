#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

#include "core/Marks.h"

class TMainServices;
class QAbstractButton;
namespace Ui {
class TAddMarkForm;
}

// "Wybierz ocenę": the keypad where every mark is picked. It appends the mark pressed last to
// the marks of the subject it was given and closes; its callers read the outcome from that
// subject's marks.
class TAddMarkForm : public QDialog {
    Q_OBJECT

  public:
    explicit TAddMarkForm(TMainServices& main, QWidget* parent = nullptr);
    ~TAddMarkForm() override;

    Ui::TAddMarkForm& Ui() { return *ui; }

    // Shows the keypad modally where its layout places it, for this subject, which the keypad
    // does not own and forgets again when it closes.
    void Execute(TSubject* subject);

    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void MarkButtonClick(TMarkKind code);
    void btnAcceptClick();
    void btnCancelClick();

    TMainServices& Main;
    std::unique_ptr<Ui::TAddMarkForm> ui;
    TMarkKind FMark = 0;
    TSubject* FSubject = nullptr;
    bool FMarkSelected = false;
};
