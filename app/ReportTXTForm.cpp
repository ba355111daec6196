#include "app/ReportTXTForm.h"

#include <QShowEvent>
#include <QStyle>

#include "reports/ReportFile.h"
#include "reports/ReportSettings.h"
#include "reports/TextReport.h"
#include "ui_ReportTXTForm.h"

TReportTXTForm::TReportTXTForm(TDataFile& document, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TReportTXTForm>()), document(document) {
    ui->setupUi(this);
    ui->btnSaveReport->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui->btnExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    // Sized by its layout, pictures included, so the first showing is centred on its real size.
    adjustSize();
    // A short settings file at the first showing leaves the boxes it lacks unchecked, as the
    // layout has them.
    content = TReportContent::AllUnchecked();
    ui->GroupBox2->Bind(content);
    connect(ui->btnSaveReport, &QAbstractButton::clicked, this,
            &TReportTXTForm::btnSaveReportClick);
    connect(ui->btnDefaultSettings, &QAbstractButton::clicked, this,
            &TReportTXTForm::btnDefaultSettingsClick);
    connect(ui->btnExit, &QAbstractButton::clicked, this, &TReportTXTForm::btnExitClick);
}

TReportTXTForm::~TReportTXTForm() = default;

void TReportTXTForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TReportTXTForm::FormShow() {
    // A short file applies over the boxes as they stood; a missing one gives the defaults.
    if (LoadReportTXTSettings(ReportTXTSettingsPath(), content) != 0) content.SetDefaults();
    ui->GroupBox2->ShowContent();
}

void TReportTXTForm::btnSaveReportClick() {
    if (!SaveDialog.Execute()) return;
    if (SaveReportFile(SaveDialog.FileName(), WriteTextReport(document, content)))
        SaveDialog.RememberFolder();
}

void TReportTXTForm::btnDefaultSettingsClick() {
    content.SetDefaults();
    ui->GroupBox2->ShowContent();
}

void TReportTXTForm::btnExitClick() {
    // Saved silently: a settings file that cannot be written only loses the choice.
    SaveReportTXTSettings(ReportTXTSettingsPath(), content);
    close();
}
