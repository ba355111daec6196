#pragma once

#include <QDateEdit>

#include "platform/Types.h"

namespace platform {

// A date picker for a date without a time of day, with a pop-up calendar. `changed()` follows
// the user's changes only.
class DatePicker : public QDateEdit {
    Q_OBJECT
  public:
    explicit DatePicker(QWidget* parent = nullptr);

    TDateTime Date() const;
    void SetDate(TDateTime date);

  signals:
    void changed();

  private:
    void DateChanged();

    bool programmatic_ = false;
};

}  // namespace platform
