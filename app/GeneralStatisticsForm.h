#pragma once

#include <QDialog>
#include <memory>

class TDataFile;
namespace Ui {
class TGeneralStatisticsForm;
}

// "Statystyka" of the whole document: how many subjects count into the average and how many
// marks of each kind all subjects have.
class TGeneralStatisticsForm : public QDialog {
    Q_OBJECT

  public:
    explicit TGeneralStatisticsForm(TDataFile& dataFile, QWidget* parent = nullptr);
    ~TGeneralStatisticsForm() override;

    Ui::TGeneralStatisticsForm& Ui() { return *ui; }

    void FormShow();
    void ShowStatistics();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void btnOKClick();

    TDataFile& DataFile;
    std::unique_ptr<Ui::TGeneralStatisticsForm> ui;
};
