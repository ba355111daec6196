#include "app/SubjectsDeleteForm.h"

#include <QShowEvent>

#include "app/MainServices.h"
#include "core/CommonTexts.h"
#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "ui_SubjectsDeleteForm.h"

TSubjectsDeleteForm::TSubjectsDeleteForm(TDataFile& dataFile, TMainServices& main, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TSubjectsDeleteForm>()) {
    ui->setupUi(this);
    connect(ui->SubjectsList, &platform::ListBox::click, this,
            &TSubjectsDeleteForm::SubjectsListClick);
    connect(ui->btnDeleteSubject, &QAbstractButton::clicked, this,
            &TSubjectsDeleteForm::btnDeleteSubjectClick);
    connect(ui->btnExit, &QAbstractButton::clicked, this, &TSubjectsDeleteForm::btnExitClick);
}

TSubjectsDeleteForm::~TSubjectsDeleteForm() = default;

void TSubjectsDeleteForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TSubjectsDeleteForm::FormShow() {
    FillList();
    UpdateButtons();
}

// The comment box is emptied with the list, so it never shows the comment of a subject that is
// no longer selected, or no longer there.
void TSubjectsDeleteForm::FillList() {
    DataFile.Subjects.FillListBox(*ui->SubjectsList);
    ui->SubjectsList->SetItemIndex(-1);
    ui->memoComment->SetText("");
}

void TSubjectsDeleteForm::UpdateButtons() {
    ui->btnDeleteSubject->setEnabled(DataFile.Subjects.Count > 0);
}

void TSubjectsDeleteForm::SubjectsListClick() {
    const int index = ui->SubjectsList->ItemIndex();
    if (index < 0 || index >= DataFile.Subjects.Count) return;
    ui->memoComment->SetText(DataFile.Subjects.Get(index)->Comment);
}

void TSubjectsDeleteForm::btnDeleteSubjectClick() {
    const int index = ui->SubjectsList->ItemIndex();
    if (index < 0 || index >= DataFile.Subjects.Count) return;
    const std::string question =
        "Czy napewno chcesz usunąć przedmiot " + DataFile.Subjects.Get(index)->Name + " ?";
    if (platform::MessageBox(question, kProgramTitle,
                             platform::mb::YesNo | platform::mb::IconQuestion) !=
        platform::answer::Yes)
        return;
    DataFile.Subjects.Delete(index);
    Main.SetModified();
    FillList();
    UpdateButtons();
}

void TSubjectsDeleteForm::btnExitClick() {
    close();
}
