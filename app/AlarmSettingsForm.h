#pragma once

#include <QDialog>
#include <memory>

class TDataFile;
class TMainServices;
namespace Ui {
class TAlarmSettingsForm;
}

// "Ustawienia alarmu": the average at or under which a subject raises an alarm. Closing the
// window by its title bar stores nothing.
class TAlarmSettingsForm : public QDialog {
    Q_OBJECT

  public:
    TAlarmSettingsForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TAlarmSettingsForm() override;

    Ui::TAlarmSettingsForm& Ui() { return *ui; }

    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void btnOKClick();

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TAlarmSettingsForm> ui;
};
