#pragma once

#include <QCalendarWidget>

#include "platform/Types.h"

class QAbstractItemView;
class QItemSelection;

namespace platform {

// A month calendar over the program's dates, 1.1.0001 to 31.12.9999. `click()` follows the
// user's choice of a day: a click on one, a day chosen through the accessibility interface
// (which selects a cell of the days' table and nothing else), or a move to another month or
// year (the arrows, the month menu, the year box), which takes the date to the same day there,
// or to the month's last day when it is shorter, as the Windows month calendar does. Qt marks
// no day as today, as the diary window wants; week numbers are not shown. Typing into the
// calendar does nothing: Qt's small date editor reads a typed date as 1.1.0001.
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
  public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    TDateTime Date() const;
    void SetDate(TDateTime date);

  signals:
    void click();

  private:
    void PageChanged(int year, int month);
    void DaySelectionChanged(const QItemSelection& added);
    // The day a cell of the days' table shows; an invalid date for a weekday's name or a day
    // outside the program's dates.
    QDate DayOf(const QModelIndex& cell) const;
    void SelectDay(QDate day);

    QAbstractItemView* days_;
};

}  // namespace platform
