#include "platform/qt/DatePicker.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "platform/Dates.h"
#include "platform/qt/MonthCalendar.h"
#include "platform/qt/QtDate.h"

namespace platform {
namespace {

// A key that types a character, not one that edits, moves or commands.
bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint() &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    // Qt's own pop-up calendar reads digits typed into it in a small editor of its own, which
    // makes an impossible date the first day of the range.
    setCalendarWidget(new MonthCalendar(this));
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // Qt's own range starts at 14.09.1752 and would move an earlier date there; the pop-up
    // calendar takes the same range.
    setDateRange(FirstQDate(), LastQDate());
    shown_ = date();
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::DateChanged);
}

// Qt also signals Enter with the date unchanged.
void DatePicker::DateChanged(QDate date) {
    if (date == shown_) return;
    shown_ = date;
    if (!programmatic_) emit changed();
}

TDateTime DatePicker::Date() const {
    return FromQDate(date());
}

void DatePicker::SetDate(TDateTime date) {
    entry_.Clear();
    entryShown_ = false;
    const QScopedValueRollback quiet(programmatic_, true);
    setDate(ToQDate(date));
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    if (TypesText(*event)) {
        TypeText(event->text());
        event->accept();
        return;
    }
    // Qt refuses a pasted date; it is typed instead.
    if (event->matches(QKeySequence::Paste)) {
        TypeText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier) {
        EraseTyped();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && entryShown_) {
        EndEntry();
        event->accept();
        return;
    }
    EndEntry();
    QDateEdit::keyPressEvent(event);
}

// An on-screen keyboard or an input method types its text as the keys do.
void DatePicker::inputMethodEvent(QInputMethodEvent* event) {
    if (event->preeditString().isEmpty() && !event->commitString().isEmpty()) {
        TypeText(event->commitString());
        event->accept();
        return;
    }
    QDateEdit::inputMethodEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent* event) {
    EndEntry();
    QDateEdit::focusOutEvent(event);
}

// Tab goes from the day to the month and the year, and then out.
bool DatePicker::focusNextPrevChild(bool next) {
    EndEntry();
    return QDateEdit::focusNextPrevChild(next);
}

// The arrows and the pop-up calendar act on the date, not on a part typed.
void DatePicker::mousePressEvent(QMouseEvent* event) {
    EndEntry();
    QDateEdit::mousePressEvent(event);
}

void DatePicker::TypeText(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 || !entry_.Type(static_cast<char>(c.unicode()))) continue;
        if (!entry_.Whole()) continue;
        TDateTime typed = 0;
        const bool named = entry_.Date(typed);
        entry_.Clear();
        entryShown_ = false;
        // The same date again refreshes the text, so an impossible one shows the old date.
        setDate(named ? ToQDate(typed) : date());
    }
    if (!entry_.Empty()) ShowEntry();
}

void DatePicker::EraseTyped() {
    if (!entryShown_) {
        for (const char c : FormatDate(Date())) entry_.Type(c);
    }
    entry_.Erase();
    ShowEntry();
}

// Qt's editor is kept out of the entry: it would read the part typed as a date.
void DatePicker::ShowEntry() {
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(QString::fromStdString(entry_.Text()));
    entryShown_ = true;
}

void DatePicker::EndEntry() {
    if (!entryShown_) return;
    entry_.Clear();
    entryShown_ = false;
    setDate(date());
}

}  // namespace platform
