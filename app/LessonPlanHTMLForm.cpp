#include "app/LessonPlanHTMLForm.h"

#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>

#include "platform/qt/CheckBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpinEdit.h"
#include "reports/LessonPlanPage.h"
#include "reports/ReportFile.h"
#include "ui_LessonPlanHTMLForm.h"

TLessonPlanHTMLForm::TLessonPlanHTMLForm(TDataFile& document, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TLessonPlanHTMLForm>()), document(document) {
    ui->setupUi(this);
    ui->btnSavePlan->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui->btnExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    // Sized by its layout, pictures included, so the first showing is centred on its real size.
    adjustSize();
    // Font sizes and the border change by their arrows only; the column width can be typed.
    for (platform::SpinEdit* spin :
         {ui->spinBorderWidth, ui->spinHeaderFontSize, ui->spinPlanFontSize})
        spin->SetEditorEnabled(false);

    boxes = {{ui->checkHeaderFontBold, &options.HeaderFontBold},
             {ui->checkHeaderFontItalic, &options.HeaderFontItalic},
             {ui->checkPlanFontBold, &options.PlanFontBold},
             {ui->checkPlanFontItalic, &options.PlanFontItalic},
             {ui->checkPon, &options.Days[0]},
             {ui->checkWt, &options.Days[1]},
             {ui->checkSr, &options.Days[2]},
             {ui->checkCzw, &options.Days[3]},
             {ui->checkPt, &options.Days[4]},
             {ui->checkSob, &options.Days[5]},
             {ui->checkIncludeHours, &options.IncludeHours}};
    spins = {{ui->spinBorderWidth, &options.BorderWidth},
             {ui->spinHeaderFontSize, &options.HeaderFontSize},
             {ui->spinPlanFontSize, &options.PlanFontSize},
             {ui->spinColsUserWidth, &options.ColsUserWidth}};
    panels = {{ui->colorBorder, &options.BorderColor},
              {ui->colorHeaderBG, &options.HeaderBGColor},
              {ui->colorHeaderText, &options.HeaderTextColor},
              {ui->colorPlanBG, &options.PlanBGColor},
              {ui->colorPlanText, &options.PlanTextColor}};

    for (const auto& [box, value] : boxes)
        connect(box, &platform::CheckBox::click, this, [box, value] { *value = box->Checked(); });
    for (const auto& [panel, color] : panels)
        connect(panel, &platform::Panel::click, this,
                [this, panel, color] { colorHeaderBGClick(*panel, *color); });
    for (platform::CheckBox* box : {ui->checkColsDefaultWidth, ui->checkColsUserWidth})
        connect(box, &platform::CheckBox::click, this,
                [this, box] { checkColsDefaultWidthClick(*box); });
    connect(ui->edHours, &platform::Edit::changed, this,
            [this] { options.HoursTitle = ui->edHours->Text(); });
    connect(ui->memoHours, &platform::Memo::changed, this,
            [this] { options.HoursText = ui->memoHours->Text(); });

    connect(ui->btnSavePlan, &QAbstractButton::clicked, this,
            &TLessonPlanHTMLForm::btnSavePlanClick);
    connect(ui->btnDefaultSettings, &QAbstractButton::clicked, this,
            &TLessonPlanHTMLForm::btnDefaultSettingsClick);
    connect(ui->btnExit, &QAbstractButton::clicked, this, &TLessonPlanHTMLForm::btnExitClick);
    // The controls start on the defaults, which a short settings file leaves where it ends.
    ShowOptions();
}

TLessonPlanHTMLForm::~TLessonPlanHTMLForm() = default;

void TLessonPlanHTMLForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TLessonPlanHTMLForm::FormShow() {
    // A short file applies over the controls as they stood; a missing one gives the defaults.
    ReadSpins();
    if (LoadLessonPlanHTMLSettings(LessonPlanHTMLSettingsPath(), options) != 0)
        options.SetDefaults();
    ShowOptions();
}

// A spin's value is its text as it stands when the value is used, whether or not the field has
// been left: the page and the settings file take what the user sees typed.
void TLessonPlanHTMLForm::ReadSpins() {
    for (const auto& [spin, value] : spins) value->SetValue(spin->GetValue());
}

const TLessonPlanHTMLOptions& TLessonPlanHTMLForm::Options() {
    ReadSpins();
    return options;
}

void TLessonPlanHTMLForm::btnSavePlanClick() {
    if (!SaveDialog.Execute()) return;
    if (SaveReportFile(SaveDialog.FileName(), WriteLessonPlanPage(document.LessonPlan, Options())))
        SaveDialog.RememberFolder();
}

void TLessonPlanHTMLForm::btnDefaultSettingsClick() {
    options.SetDefaults();
    ShowOptions();
}

void TLessonPlanHTMLForm::btnExitClick() {
    // Saved silently: a settings file that cannot be written only loses the choice.
    SaveLessonPlanHTMLSettings(LessonPlanHTMLSettingsPath(), Options());
    close();
}

void TLessonPlanHTMLForm::colorHeaderBGClick(platform::Panel& panel, TColor& color) {
    if (!ColorDialog.Execute()) return;
    color = ColorDialog.Color();
    panel.SetColor(color);
}

// "Domyślna" keeps the width the spin shows; "Ustalona" sets it to 100.
void TLessonPlanHTMLForm::checkColsDefaultWidthClick(platform::CheckBox& sender) {
    ReadSpins();
    if (&sender == ui->checkColsDefaultWidth)
        options.SetColsDefaultWidth(sender.Checked());
    else
        options.SetColsUserWidthChecked(sender.Checked());
    ShowColumnWidth();
}

void TLessonPlanHTMLForm::ShowColumnWidth() {
    const QSignalBlocker quietDefault(ui->checkColsDefaultWidth);
    const QSignalBlocker quietUser(ui->checkColsUserWidth);
    const QSignalBlocker quietWidth(ui->spinColsUserWidth);
    ui->checkColsDefaultWidth->setChecked(options.ColsDefaultWidth());
    ui->checkColsUserWidth->setChecked(options.ColsUserWidthChecked());
    ui->spinColsUserWidth->SetValue(options.ColsUserWidth.Value());
}

void TLessonPlanHTMLForm::ShowOptions() {
    for (const auto& [box, value] : boxes) {
        const QSignalBlocker quiet(box);
        box->setChecked(*value);
    }
    for (const auto& [spin, value] : spins) {
        const QSignalBlocker quiet(spin);
        spin->SetValue(value->Value());
    }
    for (const auto& [panel, color] : panels) panel->SetColor(*color);
    ShowColumnWidth();
    ui->edHours->SetText(options.HoursTitle);
    ui->memoHours->SetText(options.HoursText);
}
