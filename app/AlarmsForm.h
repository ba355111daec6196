#pragma once

#include <QDialog>
#include <memory>

class TDataFile;
namespace Ui {
class TAlarmsForm;
}

// "Alarmy": the subjects whose average is at or under the document's alarm threshold, in two
// lists side by side (names and averages) that always select the same row.
class TAlarmsForm : public QDialog {
    Q_OBJECT

  public:
    explicit TAlarmsForm(TDataFile& dataFile, QWidget* parent = nullptr);
    ~TAlarmsForm() override;

    Ui::TAlarmsForm& Ui() { return *ui; }

    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void NamesListClick();
    void NamesListMouseDown();
    void AveragesListClick();
    void AveragesListMouseDown();
    void btnOKClick();

    TDataFile& DataFile;
    std::unique_ptr<Ui::TAlarmsForm> ui;
};
