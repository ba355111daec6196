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

// A key Qt's own editor only moves, steps, selects, copies or ends with.
bool LeavesTextAlone(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return true;
        default:
            return event.matches(QKeySequence::SelectAll) || event.matches(QKeySequence::Copy);
    }
}

// The text the key leaves when it edits the field's text, cursor and selection as a line
// edit does; the field itself is not touched, so Qt never reads what the key leaves.
QString EditedText(const QLineEdit& field, QKeyEvent& key) {
    QLineEdit scratch(field.text());
    const int start = field.selectionStart();
    const int length = field.selectionLength();
    if (length == 0) {
        scratch.setCursorPosition(field.cursorPosition());
    } else if (field.cursorPosition() == start) {
        scratch.setSelection(start + length, -length);  // selected toward the start
    } else {
        scratch.setSelection(start, length);
    }
    QCoreApplication::sendEvent(&scratch, &key);
    return scratch.text();
}

// Types the whole text into the entry; false at the first character that goes in no place.
bool TypeAll(const QString& text, TypedDate& entry) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 || !entry.Type(static_cast<char>(c.unicode()))) return false;
    }
    return true;
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
    // Qt's own updates and the entries shown change the text with its signals blocked.
    connect(lineEdit(), &QLineEdit::textChanged, this, &DatePicker::TextChanged);
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

// Qt reads its text into the date wherever the text changes: only a date shown as the picker
// shows dates is one.
QValidator::State DatePicker::validate(QString& text, int& pos) const {
    TypedDate typed;
    TDateTime date = 0;
    if (!TypeAll(text, typed) || !typed.Date(date) ||
        QString::fromStdString(FormatDate(date)) != text)
        return QValidator::Invalid;
    return QDateEdit::validate(text, pos);
}

// A text that is no date (one put in through the accessibility interface) is not left on
// screen: Qt keeps the date, and the picker shows it.
void DatePicker::TextChanged() {
    if (!lineEdit()->hasAcceptableInput()) ShowDate();
}

// The arrows, the wheel and the keys step the date, not a part typed.
void DatePicker::stepBy(int steps) {
    EndEntry();
    QDateEdit::stepBy(steps);
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
    if (event->key() == Qt::Key_Backspace &&
        (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::ShiftModifier)) {
        EraseTyped();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && entryShown_) {
        EndEntry();
        event->accept();
        return;
    }
    if (LeavesTextAlone(*event)) {
        EndEntry();
        QDateEdit::keyPressEvent(event);
        return;
    }
    // Qt would edit the text in place and read whatever is left into a date.
    const QString edited = EditedText(*lineEdit(), *event);
    if (edited == lineEdit()->text()) {
        // A modifier pressed alone, or a key that edits nothing here.
        event->ignore();
        return;
    }
    TypeOver(edited);
    event->accept();
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
        if (entry_.Whole()) TakeEntry();
    }
    if (!entry_.Empty()) ShowEntry();
}

void DatePicker::TypeOver(const QString& text) {
    entry_.Clear();
    if (!TypeAll(text, entry_)) {
        ShowDate();
    } else if (entry_.Whole()) {
        TakeEntry();
    } else {
        ShowEntry();
    }
}

void DatePicker::TakeEntry() {
    TDateTime typed = 0;
    if (!entry_.Date(typed)) {
        ShowDate();
        return;
    }
    entry_.Clear();
    entryShown_ = false;
    setDate(ToQDate(typed));
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
    if (entryShown_) ShowDate();
}

void DatePicker::ShowDate() {
    entry_.Clear();
    entryShown_ = false;
    // The same date again refreshes the text.
    setDate(date());
}

}  // namespace platform
