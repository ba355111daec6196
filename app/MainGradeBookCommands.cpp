// The main window's grade-book commands: the subject dialogs and the subject card, each
// followed by the refresh its command needs.

#include "app/Main.h"
#include "app/SubjectInfoForm.h"
#include "app/SubjectModifyForm.h"
#include "app/SubjectsAddForm.h"
#include "app/SubjectsDeleteForm.h"

void TMainForm::mSubjectAddClick() {
    ShowCentred(SubjectsAddForm, DataFile, *this, this);
    RefreshSubjectsList();
}

void TMainForm::mSubjectModifyClick() {
    ShowCentred(SubjectModifyForm, DataFile, *this, this);
    RefreshSubjectsList();
}

void TMainForm::mSubjectDelClick() {
    ShowCentred(SubjectsDeleteForm, DataFile, *this, this);
    RefreshSubjectsList();
}

void TMainForm::mSubjectInfoClick() {
    const int index = CurrentSubject();
    if (index < 0) return;
    if (!SubjectInfoForm) SubjectInfoForm = std::make_unique<TSubjectInfoForm>(this);
    SubjectInfoForm->ShowSubjectInfo(*this, &DataFile, index);
}
