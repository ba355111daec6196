#include "app/SubjectsAddForm.h"

#include <QShowEvent>

#include "app/MainServices.h"
#include "core/CommonTexts.h"
#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "ui_SubjectsAddForm.h"

TSubjectsAddForm::TSubjectsAddForm(TDataFile& dataFile, TMainServices& main, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TSubjectsAddForm>()) {
    ui->setupUi(this);
    connect(ui->btnAddSubject, &QAbstractButton::clicked, this,
            &TSubjectsAddForm::btnAddSubjectClick);
    connect(ui->btnExit, &QAbstractButton::clicked, this, &TSubjectsAddForm::btnExitClick);
}

TSubjectsAddForm::~TSubjectsAddForm() = default;

void TSubjectsAddForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TSubjectsAddForm::FormShow() {
    ui->editName->clear();
    ui->edTeacher->clear();
    ui->checkInAverage->SetChecked(true);
    ui->memoComment->SetText("");
}

void TSubjectsAddForm::btnAddSubjectClick() {
    const std::string name = ui->editName->Text();
    if (platform::MessageBox("Czy napewno chesz dodać przedmiot " + name + " ?", kProgramTitle,
                             platform::mb::YesNo | platform::mb::IconQuestion) !=
        platform::answer::Yes)
        return;
    auto subject = std::make_unique<TSubject>();
    subject->Name = name;
    subject->Teacher = ui->edTeacher->Text();
    subject->Comment = ui->memoComment->Text();
    subject->InAverage = ui->checkInAverage->Checked() ? 1 : 0;
    subject->FinalMark = kNoFinalMark;
    DataFile.Subjects.Add(subject.release());
    Main.SetModified();
}

void TSubjectsAddForm::btnExitClick() {
    close();
}
