#include "app/SubjectModifyForm.h"

#include <QShowEvent>

#include "app/MainRoutines.h"
#include "app/MainServices.h"
#include "core/CommonTexts.h"
#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "ui_SubjectModifyForm.h"

TSubjectModifyForm::TSubjectModifyForm(TDataFile& dataFile, TMainServices& main, QWidget* parent)
    : QDialog(parent),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TSubjectModifyForm>()) {
    ui->setupUi(this);
    connect(ui->cbSubjects, &platform::ComboBox::changed, this,
            &TSubjectModifyForm::cbSubjectsChange);
    connect(ui->btnModify, &QAbstractButton::clicked, this, &TSubjectModifyForm::btnModifyClick);
    connect(ui->btnExit, &QAbstractButton::clicked, this, &TSubjectModifyForm::btnExitClick);
}

TSubjectModifyForm::~TSubjectModifyForm() = default;

void TSubjectModifyForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TSubjectModifyForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TSubjectModifyForm::FormShow() {
    ClearFields();
    DataFile.Subjects.FillComboBox(*ui->cbSubjects);
    SelectComboBoxItem(*ui->cbSubjects, Main.CurrentSubject());
}

void TSubjectModifyForm::FormClose() {
    Main.SetCurrentSubject(ui->cbSubjects->ItemIndex());
}

void TSubjectModifyForm::ClearFields() {
    ui->checkInAverage->SetChecked(false);
    ui->editNewName->clear();
    ui->edTeacher->clear();
    ui->memoComment->SetText("");
    ui->cbSubjects->SetText("");
}

void TSubjectModifyForm::cbSubjectsChange() {
    const int index = ui->cbSubjects->ItemIndex();
    if (index < 0 || index >= DataFile.Subjects.Count) {
        // A typed text names no subject: nothing is shown, and the text goes too.
        ClearFields();
        return;
    }
    const TSubject& subject = *DataFile.Subjects.Get(index);
    ui->editNewName->SetText(subject.Name);
    ui->edTeacher->SetText(subject.Teacher);
    ui->checkInAverage->SetChecked(subject.InAverage != 0);
    ui->memoComment->SetText(subject.Comment);
}

void TSubjectModifyForm::btnModifyClick() {
    const int index = ui->cbSubjects->ItemIndex();
    if (index < 0 || index >= DataFile.Subjects.Count) return;
    TSubject& subject = *DataFile.Subjects.Get(index);
    if (platform::MessageBox("Czy chcesz zmodyfikować przedmiot " + subject.Name + "?",
                             kProgramTitle, platform::mb::YesNo | platform::mb::IconQuestion) !=
        platform::answer::Yes)
        return;
    subject.Name = ui->editNewName->Text();
    subject.Teacher = ui->edTeacher->Text();
    subject.InAverage = ui->checkInAverage->Checked() ? 1 : 0;
    subject.Comment = ui->memoComment->Text();
    Main.SetModified();
    // Refilled so that the box lists the new name and the fields show what was stored.
    DataFile.Subjects.FillComboBox(*ui->cbSubjects);
    SelectComboBoxItem(*ui->cbSubjects, index);
}

void TSubjectModifyForm::btnExitClick() {
    close();
}
