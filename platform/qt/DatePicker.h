#pragma once

#include <QDateEdit>

#include "platform/TypedDate.h"
#include "platform/Types.h"

namespace platform {

// A date picker for a date without a time of day, with a pop-up calendar. `changed()` follows
// the user's changes only.
//
// A date is typed whole, wherever the cursor stands: the first character typed starts a new
// entry in place of the shown text ("15012027" or "15.01.2027"), which becomes the date once
// its year has four digits, or gives the old date back when it names no day. Until then the
// date stays; Esc, Enter, leaving the picker or any other key gives the old one back (Qt's own
// typing into the day, month and year in place makes years nobody typed). Backspace takes
// back the last character, of the shown date when nothing is being typed; a pasted text is
// typed. The pop-up calendar takes no typed date: it is the program's month calendar.
class DatePicker : public QDateEdit {
    Q_OBJECT
  public:
    explicit DatePicker(QWidget* parent = nullptr);

    TDateTime Date() const;
    void SetDate(TDateTime date);

  signals:
    void changed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void DateChanged(QDate date);
    void TypeText(const QString& text);
    void EraseTyped();
    void ShowEntry();
    // Gives the shown text back to the date when an entry is open.
    void EndEntry();

    bool programmatic_ = false;
    QDate shown_;
    TypedDate entry_;
    // The text shows the entry, not the date (an entry erased to nothing shows no text).
    bool entryShown_ = false;
};

}  // namespace platform
