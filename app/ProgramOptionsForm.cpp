#include "app/ProgramOptionsForm.h"

#include "app/MainServices.h"
#include "core/DataFile.h"
#include "core/ProgramOptions.h"
#include "ui_ProgramOptionsForm.h"

TProgramOptionsForm::TProgramOptionsForm(TDataFile& dataFile, TMainServices& main, QWidget* parent)
    : QDialog(parent),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TProgramOptionsForm>()) {
    ui->setupUi(this);
    ColorSwatches = {ui->colorTTBackground, ui->colorTTEvent,         ui->colorTTEventText,
                     ui->colorTTDay,        ui->colorTTDayText,       ui->colorTTToday,
                     ui->colorTTTodayText,  ui->colorTTDayName,       ui->colorTTDayNameSatSun,
                     ui->colorTTSelection,  ui->colorTTSelectionText, ui->colorTTGridLines};
    for (platform::Panel* swatch : ColorSwatches) {
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->SetAction("Wybierz kolor");
        connect(swatch, &platform::Panel::click, this,
                [this, swatch] { colorTTBackgroundClick(*swatch); });
    }
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TProgramOptionsForm::btnOKClick);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &TProgramOptionsForm::btnCancelClick);
}

TProgramOptionsForm::~TProgramOptionsForm() = default;

void TProgramOptionsForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TProgramOptionsForm::FormShow() {
    LoadOptions();
}

void TProgramOptionsForm::LoadOptions() {
    ui->checkOpenFileOnStartUp->SetChecked(Main.InstallationSettings().OpenLastFile != 0);
    for (int slot = 0; slot < kTimeTableColors; ++slot)
        ColorSwatches[slot]->SetColor(DataFile.Settings.TimeTableColors[slot]);
    FColorsChanged = 0;
}

void TProgramOptionsForm::StoreOptions() {
    Main.InstallationSettings().OpenLastFile = ui->checkOpenFileOnStartUp->Checked() ? 1 : 0;
    if (FColorsChanged != 1) return;
    for (int slot = 0; slot < kTimeTableColors; ++slot)
        DataFile.Settings.TimeTableColors[slot] = ColorSwatches[slot]->Color();
    Main.SetModified();
    FColorsChanged = 0;
}

void TProgramOptionsForm::colorTTBackgroundClick(platform::Panel& swatch) {
    if (!ColorDialog.Execute()) return;
    swatch.SetColor(ColorDialog.Color());
    FColorsChanged = 1;
}

void TProgramOptionsForm::btnOKClick() {
    StoreOptions();
    Main.SaveSettings();
    close();
}

void TProgramOptionsForm::btnCancelClick() {
    close();
}
