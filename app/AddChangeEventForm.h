#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

#include "core/Calendar.h"
#include "platform/Types.h"

namespace Ui {
class TAddChangeEventForm;
}
class TDataFile;

// The event dialog: adds a diary entry on a date, or changes the subject, description and
// category of an existing one. It never marks the document modified; its callers do when it
// returns true.
class TAddChangeEventForm : public QDialog {
    Q_OBJECT

  public:
    // The window's height with the date panel shown.
    static constexpr int kDesignHeight = 219;

    // The document lends its categories to the change mode's drop-down.
    explicit TAddChangeEventForm(TDataFile& dataFile, QWidget* parent = nullptr);
    ~TAddChangeEventForm() override;

    // True when an event was added to the calendar on the picked date; false at once for a
    // null calendar.
    bool ExecuteAdd(TDateTime date, TClCalendar* calendar);
    // True when the event was changed; false at once for a null event.
    bool ExecuteChange(TClEvent* event);

    Ui::TAddChangeEventForm& Ui() { return *ui; }

    TClEvent* Event = nullptr;        // the event being changed; not owned
    TClCalendar* Calendar = nullptr;  // the calendar added to; not owned
    TDateTime Date = 0;
    std::uint8_t Modified = 0;
    std::uint8_t Result = 0;

  private:
    enum Mode : std::uint32_t { AddMode = 1, ChangeMode = 2 };

    void ResetFields();
    void SetMode(std::uint32_t mode);
    void FillCategories(TClCalendar& calendar);
    void AcceptAdd();
    void AcceptChange();
    void btnOKClick();
    void btnCancelClick();
    void FieldChange();

    TDataFile& DataFile;
    std::unique_ptr<Ui::TAddChangeEventForm> ui;
    void (TAddChangeEventForm::*okAction)() = &TAddChangeEventForm::AcceptAdd;
};
