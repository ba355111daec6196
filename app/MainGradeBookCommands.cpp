// The main window's grade-book commands: the subject dialogs, the subject card, the mark
// keypad and the two marks editors, each followed by the refresh its command needs.

#include "app/AddMarkForm.h"
#include "app/FinalMarksEditorForm.h"
#include "app/Main.h"
#include "app/MarksEditorForm.h"
#include "app/SubjectInfoForm.h"
#include "app/SubjectModifyForm.h"
#include "app/SubjectsAddForm.h"
#include "app/SubjectsDeleteForm.h"

TAddMarkForm& TMainForm::Keypad() {
    if (!AddMarkForm) AddMarkForm = std::make_unique<TAddMarkForm>(*this, this);
    return *AddMarkForm;
}

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

void TMainForm::mAddMarkClick() {
    const int index = CurrentSubject();
    if (index < 0 || index >= DataFile.Subjects.Count) return;
    Keypad().Execute(DataFile.Subjects.Get(index));
    RefreshSubjectsList();
}

void TMainForm::mAddDelMarkClick() {
    ShowCentred(MarksEditorForm, DataFile, *this, Keypad(), this);
    RefreshSubjectsList();
}

void TMainForm::mFinalMarksClick() {
    ShowCentred(FinalMarksEditorForm, DataFile, *this, Keypad(), this);
    RefreshAll();
}
