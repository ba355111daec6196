#include "app/LessonPlanForm.h"

#include "app/MainRoutines.h"
#include "app/MainServices.h"
#include "core/DataFile.h"
#include "ui_LessonPlanForm.h"

namespace {

const char* const kModifiedStatus = "Zmodyfikowany";

}  // namespace

// Resizable, and without title-bar buttons: "Zamknij" is the way out.
TLessonPlanForm::TLessonPlanForm(TDataFile& dataFile, TMainServices& main, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TLessonPlanForm>()) {
    ui->setupUi(this);
    connect(ui->cbDay, &platform::ComboBox::changed, this, &TLessonPlanForm::cbDayChange);
    connect(ui->mmPlan, &platform::Memo::changed, this, &TLessonPlanForm::mmPlanChange);
    // The arrow keys only move through the subjects; Enter or a pick in the list inserts one.
    connect(ui->cbInsert, &platform::ComboBox::chosen, this, &TLessonPlanForm::cbInsertChange);
    connect(ui->btnApply, &QAbstractButton::clicked, this, &TLessonPlanForm::btnApplyClick);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &TLessonPlanForm::btnCloseClick);
}

TLessonPlanForm::~TLessonPlanForm() = default;

void TLessonPlanForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TLessonPlanForm::FormShow() {
    DataFile.Subjects.FillComboBox(*ui->cbInsert);
    FillDaysComboBox(1, 6, *ui->cbDay, 0);
    cbDayChange();
}

void TLessonPlanForm::cbDayChange() {
    ui->mmPlan->ClearLines();
    const int day = ui->cbDay->ItemIndex();
    if (day >= 0 && day <= 5) ui->mmPlan->SetText(DataFile.LessonPlan.Days[day]);
    FModified = 0;
    ui->panelStatus->SetCaption("");
}

void TLessonPlanForm::mmPlanChange() {
    FModified = 1;
    ui->panelStatus->SetCaption(kModifiedStatus);
}

// The memo tells only the user's typing, so the inserted line marks the day itself. A day
// that would grow past the longest text a document holds takes no more.
void TLessonPlanForm::cbInsertChange() {
    const int subject = ui->cbInsert->ItemIndex();
    if (subject < 0) return;
    if (!ui->mmPlan->AppendLine(ui->cbInsert->itemText(subject).toStdString())) return;
    mmPlanChange();
}

void TLessonPlanForm::btnApplyClick() {
    const int day = ui->cbDay->ItemIndex();
    if (day < 0 || FModified == 0) return;
    DataFile.LessonPlan.Days[day] = ui->mmPlan->Text();
    FModified = 0;
    ui->panelStatus->SetCaption("");
    Main.SetModified();
}

void TLessonPlanForm::btnCloseClick() {
    close();
}
