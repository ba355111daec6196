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
// date stays; Esc, Enter, leaving the picker or a key that moves or steps gives the old one
// back (Qt's own typing into the day, month and year in place makes years nobody typed); a
// key that neither types nor edits (a modifier pressed alone) leaves the entry as it is.
// Backspace takes back the last character, of the shown date when nothing is being typed; a
// pasted text is typed. A key that edits the text in place as in a line edit (Delete,
// Ctrl+Delete, Ctrl+Backspace, a cut) leaves a text taken as typed: the date when it is a
// whole one, a date being typed while it can become one, else the old date back.
//
// Whatever else changes the text (a text put in through the accessibility interface), only a
// whole date in the picker's own form ("15.01.2027") is read; any other text is refused and
// the date stays. The pop-up calendar takes no typed date: it is the program's month calendar.
class DatePicker : public QDateEdit {
    Q_OBJECT
  public:
    explicit DatePicker(QWidget* parent = nullptr);

    TDateTime Date() const;
    void SetDate(TDateTime date);

    QValidator::State validate(QString& text, int& pos) const override;
    void stepBy(int steps) override;

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
    void TextChanged();
    void TypeText(const QString& text);
    // Takes the text a key left by editing the shown text in place as typed anew.
    void TypeOver(const QString& text);
    // Makes the whole entry the date, or gives the old date back when it names no day.
    void TakeEntry();
    void EraseTyped();
    void ShowEntry();
    // Gives the shown text back to the date when an entry is open.
    void EndEntry();
    // Drops any entry and shows the date.
    void ShowDate();

    bool programmatic_ = false;
    QDate shown_;
    TypedDate entry_;
    // The text shows the entry, not the date (an entry erased to nothing shows no text).
    bool entryShown_ = false;
};

}  // namespace platform
