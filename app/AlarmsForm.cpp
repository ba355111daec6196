#include "app/AlarmsForm.h"

#include "app/MainRoutines.h"
#include "core/DataFile.h"
#include "platform/Numbers.h"
#include "ui_AlarmsForm.h"

namespace {

constexpr TColor kHeaderBackground = 0x000000;
constexpr TColor kHeaderText = 0x0000FF;  // red

void StyleHeader(platform::Panel& header) {
    header.SetColor(kHeaderBackground);
    SetFontColor(header, kHeaderText);
    QFont font = header.font();
    font.setBold(true);
    header.setFont(font);
}

}  // namespace

TAlarmsForm::TAlarmsForm(TDataFile& dataFile, QWidget* parent)
    : QDialog(parent, Qt::Tool), DataFile(dataFile), ui(std::make_unique<Ui::TAlarmsForm>()) {
    ui->setupUi(this);
    ui->panelNamesHeader->SetCaption("Przedmiot");
    ui->panelAveragesHeader->SetCaption("Średnia");
    StyleHeader(*ui->panelNamesHeader);
    StyleHeader(*ui->panelAveragesHeader);
    connect(ui->NamesList, &platform::ListBox::click, this, &TAlarmsForm::NamesListClick);
    connect(ui->NamesList, &platform::ListBox::mouseDown, this, &TAlarmsForm::NamesListMouseDown);
    connect(ui->AveragesList, &platform::ListBox::click, this, &TAlarmsForm::AveragesListClick);
    connect(ui->AveragesList, &platform::ListBox::mouseDown, this,
            &TAlarmsForm::AveragesListMouseDown);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TAlarmsForm::btnOKClick);
}

TAlarmsForm::~TAlarmsForm() = default;

void TAlarmsForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TAlarmsForm::FormShow() {
    ui->NamesList->ClearItems();
    ui->AveragesList->ClearItems();
    TSubjectsList& subjects = DataFile.Subjects;
    const TDocumentSettings& settings = DataFile.Settings;
    for (std::int32_t i = 0; i < subjects.Count; ++i) {
        TSubject& subject = *subjects.Get(i);
        const double average = subject.Average(settings.MarksValues);
        if (average <= settings.AlarmThreshold) {
            ui->NamesList->AddItem(subject.Name);
            ui->AveragesList->AddItem(platform::FloatToStr(TruncTo3Decimals(average)));
        }
    }
}

void TAlarmsForm::NamesListClick() {
    ui->AveragesList->SetItemIndex(ui->NamesList->ItemIndex());
}

void TAlarmsForm::NamesListMouseDown() {
    ui->AveragesList->SetItemIndex(ui->NamesList->ItemIndex());
}

void TAlarmsForm::AveragesListClick() {
    ui->NamesList->SetItemIndex(ui->AveragesList->ItemIndex());
}

void TAlarmsForm::AveragesListMouseDown() {
    ui->NamesList->SetItemIndex(ui->AveragesList->ItemIndex());
}

void TAlarmsForm::btnOKClick() {
    close();
}
