#include "app/ReportHTMLForm.h"

#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>

#include "platform/qt/CheckBox.h"
#include "platform/qt/Panel.h"
#include "reports/HtmlReport.h"
#include "reports/ReportFile.h"
#include "ui_ReportHTMLForm.h"

TReportHTMLForm::TReportHTMLForm(TDataFile& document, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TReportHTMLForm>()), document(document) {
    ui->setupUi(this);
    ui->btnSaveReport->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui->btnExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    // Sized by its layout, pictures included, so the first showing is centred on its real size.
    adjustSize();
    // A short settings file at the first showing leaves the boxes it lacks as the layout has
    // them: unchecked. The colours keep the defaults the panels start with.
    options.Content = TReportContent::AllUnchecked();
    options.Border = false;
    ui->GroupBox2->Bind(options.Content);

    connect(ui->btnSaveReport, &QAbstractButton::clicked, this,
            &TReportHTMLForm::btnSaveReportClick);
    connect(ui->btnDefaultSettings, &QAbstractButton::clicked, this,
            &TReportHTMLForm::btnDefaultSettingsClick);
    connect(ui->btnExit, &QAbstractButton::clicked, this, &TReportHTMLForm::btnExitClick);
    connect(ui->checkBorder, &platform::CheckBox::click, this, &TReportHTMLForm::checkBorderClick);
    const std::pair<platform::Panel*, TColor*> panels[] = {
        {ui->colorBackground, &options.BackgroundColor},
        {ui->colorText, &options.TextColor},
        {ui->colorHeaderBackground, &options.HeaderBackgroundColor},
        {ui->colorHeaderText, &options.HeaderTextColor},
        {ui->colorHeaderFrame, &options.HeaderFrameColor},
        {ui->colorBorder, &options.BorderColor},
    };
    for (const auto& [panel, color] : panels)
        connect(panel, &platform::Panel::click, this,
                [this, panel, color] { colorBackgroundClick(*panel, *color); });
}

TReportHTMLForm::~TReportHTMLForm() = default;

void TReportHTMLForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TReportHTMLForm::FormShow() {
    // A short file applies over the options as they stood; a missing one gives the defaults.
    if (LoadReportHTMLSettings(ReportHTMLSettingsPath(), options) != 0) options.SetDefaults();
    ShowOptions();
}

void TReportHTMLForm::btnSaveReportClick() {
    if (!SaveDialog.Execute()) return;
    if (SaveReportFile(SaveDialog.FileName(), WriteHtmlReport(document, options)))
        SaveDialog.RememberFolder();
}

void TReportHTMLForm::btnDefaultSettingsClick() {
    options.SetDefaults();
    ShowOptions();
}

void TReportHTMLForm::btnExitClick() {
    // Saved silently: a settings file that cannot be written only loses the choice.
    SaveReportHTMLSettings(ReportHTMLSettingsPath(), options);
    close();
}

void TReportHTMLForm::colorBackgroundClick(platform::Panel& panel, TColor& color) {
    if (!ColorDialog.Execute()) return;
    color = ColorDialog.Color();
    panel.SetColor(color);
}

void TReportHTMLForm::checkBorderClick() {
    options.Border = ui->checkBorder->Checked();
}

void TReportHTMLForm::ShowOptions() {
    ui->GroupBox2->ShowContent();
    {
        const QSignalBlocker quiet(ui->checkBorder);
        ui->checkBorder->setChecked(options.Border);
    }
    ui->colorBackground->SetColor(options.BackgroundColor);
    ui->colorText->SetColor(options.TextColor);
    ui->colorHeaderBackground->SetColor(options.HeaderBackgroundColor);
    ui->colorHeaderText->SetColor(options.HeaderTextColor);
    ui->colorHeaderFrame->SetColor(options.HeaderFrameColor);
    ui->colorBorder->SetColor(options.BorderColor);
}
