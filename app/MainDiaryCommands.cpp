// The main window's diary commands: the diary window, the categories editor and adding an
// event for today from the time-table panel.
#include "app/AddChangeEventForm.h"
#include "app/EventsCategoriesEditorForm.h"
#include "app/Main.h"
#include "app/TimeTableForm.h"
#include "platform/Clock.h"

TAddChangeEventForm& TMainForm::AddChangeEvent() {
    if (!AddChangeEventForm)
        AddChangeEventForm = std::make_unique<TAddChangeEventForm>(DataFile, this);
    return *AddChangeEventForm;
}

TEventsCategoriesEditorForm& TMainForm::CategoriesEditor() {
    if (!EventsCategoriesEditorForm)
        EventsCategoriesEditorForm = std::make_unique<TEventsCategoriesEditorForm>(*this, this);
    return *EventsCategoriesEditorForm;
}

void TMainForm::mTimeTableClick() {
    ShowCentred(TimeTableForm, DataFile, *this, AddChangeEvent(), CategoriesEditor(), NameDays,
                this);
    if (IsModified()) RefreshTimeTable();
}

void TMainForm::mCategoriesEditorClick() {
    CategoriesEditor().Execute(*this, &DataFile.Calendar);
    if (IsModified()) RefreshTimeTable();
}

void TMainForm::TimeTableDrawGridDblClick() {
    if (!AddChangeEvent().ExecuteAdd(platform::Date(), &DataFile.Calendar)) return;
    RefreshTimeTable();
    SetModified();
}
