#pragma once

#include <QCalendarWidget>

#include "platform/Types.h"

namespace platform {

// A month calendar; `click()` follows the user's click on a day. Qt marks no day as today, as
// the diary window wants; week numbers are not shown.
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
  public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    TDateTime Date() const;
    void SetDate(TDateTime date);

  signals:
    void click();
};

}  // namespace platform
