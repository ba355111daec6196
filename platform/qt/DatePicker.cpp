#include "platform/qt/DatePicker.h"

#include <QScopedValueRollback>

#include "platform/qt/QtDate.h"

namespace platform {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
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
