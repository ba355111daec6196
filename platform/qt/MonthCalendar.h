#pragma once

#include <QCalendarWidget>

#include "platform/Types.h"

namespace platform {

// A month calendar over the program's dates, 1.1.0001 to 31.12.9999. `click()` follows the
// user's choice of a day: a click on one, or a move to another month or year (the arrows, the
// month menu, the year box), which takes the date to the same day there, or to the month's
// last day when it is shorter, as the Windows month calendar does. Qt marks no day as today, as
// the diary window wants; week numbers are not shown.
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
};

}  // namespace platform
