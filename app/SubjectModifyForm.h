#pragma once

#include <QDialog>
#include <memory>

class TDataFile;
class TMainServices;
namespace Ui {
class TSubjectModifyForm;
}

// "Modyfikacja przedmiotu": changes a subject's name, teacher, comment and whether it counts
// into the general average; its marks stay. It opens on the main window's current subject and
// hands its own back when it closes.
class TSubjectModifyForm : public QDialog {
    Q_OBJECT

  public:
    TSubjectModifyForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TSubjectModifyForm() override;

    Ui::TSubjectModifyForm& Ui() { return *ui; }

    void FormShow();
    // Every way of closing (the buttons, Esc, the close box) ends here.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormClose();
    void cbSubjectsChange();
    void btnModifyClick();
    void btnExitClick();
    void ClearFields();

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TSubjectModifyForm> ui;
};
