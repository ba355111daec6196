#include "platform/qt/DatePicker.h"

#include <QScopedValueRollback>

#include "platform/qt/QtDate.h"

namespace platform {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // Qt's own range starts at 14.09.1752 and would move an earlier date there; the pop-up
    // calendar takes the same range.
    setDateRange(FirstQDate(), LastQDate());
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::DateChanged);
}

void DatePicker::DateChanged() {
    if (!programmatic_) emit changed();
}

TDateTime DatePicker::Date() const {
    return FromQDate(date());
}

void DatePicker::SetDate(TDateTime date) {
    const QScopedValueRollback quiet(programmatic_, true);
    setDate(ToQDate(date));
}

}  // namespace platform
