#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "core/Marks.h"

class TDataFile;
class TMainServices;
namespace Ui {
class TMarksValuesForm;
}
namespace platform {
class Edit;
}

// "Wartości ocen": the value each mark kind counts with in the averages. Values are checked as
// the user leaves an edit and stored all together on OK, or not at all.
class TMarksValuesForm : public QDialog {
    Q_OBJECT

  public:
    TMarksValuesForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TMarksValuesForm() override;

    Ui::TMarksValuesForm& Ui() { return *ui; }

    void FormShow();
    void LoadValues();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void editValue1Enter(platform::Edit& edit);
    void editValue1Exit(platform::Edit& edit);
    void btnSetDefaultMarksValuesClick();
    void btnOKClick();
    void btnCancelClick();
    void ShowInvalidValue();
    // Tells the user the edit holds no number, gives it `text` and the focus.
    void PutBackInvalidValue(platform::Edit& edit, const std::string& text);

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TMarksValuesForm> ui;
    // Edit k shows the value of mark code k.
    std::array<platform::Edit*, kMarkKinds> ValueEdits;
    // The edit entered last and the text it held then, put back when what was typed is no
    // number.
    platform::Edit* FActiveEdit = nullptr;
    std::string FSavedText;
};
