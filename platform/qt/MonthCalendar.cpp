#include "platform/qt/MonthCalendar.h"

#include "platform/qt/QtDate.h"

namespace platform {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Also bounds the year box and the month menu.
    setDateRange(FirstQDate(), LastQDate());
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::click);
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::PageChanged);
}

TDateTime MonthCalendar::Date() const {
    return FromQDate(selectedDate());
}

void MonthCalendar::SetDate(TDateTime date) {
    setSelectedDate(ToQDate(date));
}

// Qt sets a new date before it turns the page to it, so a page turned by a date (the program's
// or a click on a day) already holds that date and changes nothing here.
void MonthCalendar::PageChanged(int year, int month) {
    const QDate date = selectedDate();
    if (year == date.year() && month == date.month()) return;
    // The arrows still turn to the month before the first and after the last; the page goes
    // back to the date, which stays.
    if (year < FirstQDate().year() || year > LastQDate().year()) {
        setCurrentPage(date.year(), date.month());
        return;
    }
    // Whole years 1 to 9999 lie in the range, and addMonths keeps the day within the month.
    setSelectedDate(date.addMonths((year - date.year()) * 12 + month - date.month()));
    emit click();
}

}  // namespace platform
