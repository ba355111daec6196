#include "app/AlarmSettingsForm.h"

#include "app/MainServices.h"
#include "core/CommonTexts.h"
#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "ui_AlarmSettingsForm.h"

TAlarmSettingsForm::TAlarmSettingsForm(TDataFile& dataFile, TMainServices& main, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TAlarmSettingsForm>()) {
    ui->setupUi(this);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TAlarmSettingsForm::btnOKClick);
}

TAlarmSettingsForm::~TAlarmSettingsForm() = default;

void TAlarmSettingsForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TAlarmSettingsForm::FormShow() {
    ui->editMenaceAverage->SetText(platform::FloatToStr(DataFile.Settings.AlarmThreshold));
}

void TAlarmSettingsForm::btnOKClick() {
    const std::optional<double> threshold = ReadTypedNumber(ui->editMenaceAverage->Text());
    if (!threshold) {
        platform::MessageBox("Zła wartość.", kProgramTitle,
                             platform::mb::Ok | platform::mb::IconStop);
        return;
    }
    DataFile.Settings.AlarmThreshold = *threshold;
    Main.SetModified();
    close();
}
