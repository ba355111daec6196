#include "app/AddChangeEventForm.h"

#include "core/DataFile.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/qt/ShowModal.h"
#include "ui_AddChangeEventForm.h"

TAddChangeEventForm::TAddChangeEventForm(TDataFile& dataFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      DataFile(dataFile),
      ui(std::make_unique<Ui::TAddChangeEventForm>()) {
    ui->setupUi(this);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TAddChangeEventForm::btnOKClick);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &TAddChangeEventForm::btnCancelClick);
    // The widgets signal the user's edits only (typing, pasting, cutting, undoing, picking
    // from the list), so filling the fields never counts as a change.
    connect(ui->edSubject, &platform::Edit::changed, this, &TAddChangeEventForm::FieldChange);
    connect(ui->memoDesc, &platform::Memo::changed, this, &TAddChangeEventForm::FieldChange);
    connect(ui->cbCategory, &platform::ComboBox::changed, this, &TAddChangeEventForm::FieldChange);
}

TAddChangeEventForm::~TAddChangeEventForm() = default;

void TAddChangeEventForm::ResetFields() {
    ui->edSubject->clear();
    ui->memoDesc->ClearLines();
    ui->cbCategory->SetItemIndex(-1);
    ui->cbCategory->SetText("");
    ui->DatePicker->SetDate(platform::Date());
}

void TAddChangeEventForm::SetMode(std::uint32_t mode) {
    if (mode != AddMode && mode != ChangeMode) return;
    const bool adding = mode == AddMode;
    ui->panelEventData->setVisible(true);
    ui->panelDate->setVisible(adding);
    // The date panel has a fixed height in the layout; without it the window is that much
    // shorter.
    setFixedHeight(adding ? kDesignHeight : kDesignHeight - ui->panelDate->minimumHeight());
    okAction = adding ? &TAddChangeEventForm::AcceptAdd : &TAddChangeEventForm::AcceptChange;
    ui->btnOK->setText(adding ? "Dodaj" : "Zmień");
    setWindowTitle(adding ? "Nowe zdarzenie" : "Zmiana właściwości zdarzenia");
}

void TAddChangeEventForm::FillCategories(TClCalendar& calendar) {
    calendar.Categories.FillComboBox(*ui->cbCategory);
}

bool TAddChangeEventForm::ExecuteAdd(TDateTime date, TClCalendar* calendar) {
    Result = 0;
    if (calendar == nullptr) return false;
    ResetFields();
    SetMode(AddMode);
    Date = date;
    Calendar = calendar;
    Event = nullptr;
    ui->DatePicker->SetDate(date);
    FillCategories(*calendar);
    Modified = 0;
    platform::ShowModal(*this);
    return Result != 0;
}

bool TAddChangeEventForm::ExecuteChange(TClEvent* event) {
    Result = 0;
    if (event == nullptr) return false;
    ResetFields();
    SetMode(ChangeMode);
    Event = event;
    Calendar = nullptr;
    ui->edSubject->SetText(event->Subject);
    ui->memoDesc->SetText(event->Description);
    FillCategories(DataFile.Calendar);
    ui->cbCategory->SetText(event->Category);
    Modified = 0;
    platform::ShowModal(*this);
    return Result != 0;
}

void TAddChangeEventForm::AcceptAdd() {
    int year = 0;
    int month = 0;
    int day = 0;
    platform::DecodeDate(ui->DatePicker->Date(), year, month, day);
    auto event = std::make_unique<TClEvent>();
    event->Subject = ui->edSubject->Text();
    event->Description = ui->memoDesc->Text();
    event->Category = ui->cbCategory->Text();
    Calendar->AddEvent(day, month, year, event.release());
    Result = 1;
    close();
}

void TAddChangeEventForm::AcceptChange() {
    if (Modified == 1) {
        Event->Subject = ui->edSubject->Text();
        Event->Description = ui->memoDesc->Text();
        Event->Category = ui->cbCategory->Text();
        Result = 1;
    } else {
        Result = 0;
    }
    close();
}

void TAddChangeEventForm::btnOKClick() {
    (this->*okAction)();
}

void TAddChangeEventForm::btnCancelClick() {
    close();
}

void TAddChangeEventForm::FieldChange() {
    Modified = 1;
}
