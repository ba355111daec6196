#pragma once

#include <QDialog>
#include <memory>

class TDataFile;
class TMainServices;
namespace Ui {
class TSubjectsDeleteForm;
}

// "Usuń przedmiot": deletes subjects, with all their marks, after a question; it stays open
// after each deletion.
class TSubjectsDeleteForm : public QDialog {
    Q_OBJECT

  public:
    TSubjectsDeleteForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TSubjectsDeleteForm() override;

    Ui::TSubjectsDeleteForm& Ui() { return *ui; }

    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SubjectsListClick();
    void btnDeleteSubjectClick();
    void btnExitClick();
    void FillList();
    void UpdateButtons();

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TSubjectsDeleteForm> ui;
};
