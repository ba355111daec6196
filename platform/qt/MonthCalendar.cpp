#include "platform/qt/MonthCalendar.h"

#include "platform/qt/QtDate.h"

namespace platform {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::click);
}

TDateTime MonthCalendar::Date() const {
    return FromQDate(selectedDate());
}

void MonthCalendar::SetDate(TDateTime date) {
    setSelectedDate(ToQDate(date));
}

}  // namespace platform
