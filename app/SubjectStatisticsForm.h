#pragma once

#include <QDialog>
#include <memory>

class TDataFile;
class TMainServices;
namespace Ui {
class TSubjectStatisticsForm;
}

// "Statystyka" of the main window's current subject: how many marks of each kind it has.
// The caption becomes the subject's name.
class TSubjectStatisticsForm : public QDialog {
    Q_OBJECT

  public:
    TSubjectStatisticsForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TSubjectStatisticsForm() override;

    Ui::TSubjectStatisticsForm& Ui() { return *ui; }

    void FormShow();
    void ShowStatistics();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void btnOKClick();

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TSubjectStatisticsForm> ui;
};
