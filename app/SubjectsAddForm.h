#pragma once

#include <QDialog>
#include <memory>

class TDataFile;
class TMainServices;
namespace Ui {
class TSubjectsAddForm;
}

// "Dodaj przedmiot": appends subjects to the document. It stays open after each addition, and
// keeps what was typed, so several subjects can be added in one showing.
class TSubjectsAddForm : public QDialog {
    Q_OBJECT

  public:
    TSubjectsAddForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TSubjectsAddForm() override;

    Ui::TSubjectsAddForm& Ui() { return *ui; }

    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void btnAddSubjectClick();
    void btnExitClick();

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TSubjectsAddForm> ui;
};
