#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <utility>
#include <vector>

#include "platform/Dates.h"
#include "platform/qt/DatePicker.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {
TEST(DatePicker, DropsTheTimeOfDayAndSignalsTheUserOnly) {
    DatePicker picker;
    int changes = 0;
    QObject::connect(&picker, &DatePicker::changed, [&] { ++changes; });
    picker.SetDate(EncodeDate(2005, 6, 24) + 0.75);
    EXPECT_EQ(picker.Date(), EncodeDate(2005, 6, 24));
    EXPECT_EQ(picker.text(), "24.06.2005");
    EXPECT_EQ(changes, 0);
    picker.setCurrentSection(QDateTimeEdit::DaySection);
    user_input::KeyPress(picker, Qt::Key_Up);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picker.Date(), EncodeDate(2005, 6, 25));
}

TEST(DatePicker, KeepsToTheProgramsDates) {
    DatePicker picker;
    picker.SetDate(EncodeDate(51, 12, 14));
    EXPECT_EQ(picker.Date(), EncodeDate(51, 12, 14));
    EXPECT_EQ(picker.text().toStdString(), "14.12.0051");

    picker.SetDate(EncodeDate(1, 1, 1));
    picker.setCurrentSection(QDateTimeEdit::YearSection);
    user_input::KeyPress(picker, Qt::Key_Down);
    EXPECT_EQ(picker.Date(), EncodeDate(1, 1, 1));
    picker.SetDate(EncodeDate(9999, 12, 31));
    picker.setCurrentSection(QDateTimeEdit::DaySection);
    user_input::KeyPress(picker, Qt::Key_Up);
    EXPECT_EQ(picker.Date(), EncodeDate(9999, 12, 31));
}

// A date typed over the picker's text, from wherever the cursor stands in it, as a user who
// clicked there and typed would: the picker takes the whole date typed, or keeps its own.
class DatePickerTyping : public testing::Test {
  protected:
    DatePickerTyping() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&picker);
        layout->addWidget(&next);
        picker.SetDate(EncodeDate(2026, 12, 9));
        window.show();
        user_input::Activate(window);
        picker.setFocus();
        QObject::connect(&picker, &DatePicker::changed,
                         [this] { changes.push_back(picker.Date()); });
    }

    QLineEdit& Text() { return *picker.findChild<QLineEdit*>(); }
    QWidget& Focused() {
        QWidget* focused = QApplication::focusWidget();
        EXPECT_NE(focused, nullptr);
        return focused != nullptr ? *focused : picker;
    }
    // The cursor put at this place of the text, then the keys typed into the focused widget.
    void TypeAt(int position, const QString& keys) {
        Text().setCursorPosition(position);
        user_input::KeyClicks(Focused(), keys);
    }
    void Press(int key) { user_input::KeyPress(Focused(), key); }
    void Restart() {
        picker.SetDate(EncodeDate(2026, 12, 9));
        picker.setFocus();
        changes.clear();
    }

    QWidget window;
    DatePicker picker;
    QLineEdit next;
    std::vector<TDateTime> changes;
    // The start, just after the day's digits, just after the month's dot, in the year, the end.
    static constexpr int kPositions[] = {0, 2, 3, 8, 10};
};

TEST_F(DatePickerTyping, AWholeDateTypedAnywhereIsTheDate) {
    const std::pair<QString, TDateTime> entries[] = {
        {"15012027", EncodeDate(2027, 1, 15)},
        {"15.01.2027", EncodeDate(2027, 1, 15)},
        {"1.5.2027", EncodeDate(2027, 5, 1)},
        {"01-05-0051", EncodeDate(51, 5, 1)},
    };
    for (const int position : kPositions) {
        for (const auto& [typed, date] : entries) {
            SCOPED_TRACE(testing::Message() << "at " << position << ": " << typed.toStdString());
            Restart();
            TypeAt(position, typed);
            EXPECT_EQ(picker.Date(), date);
            EXPECT_EQ(picker.text().toStdString(), FormatDate(date));
            EXPECT_EQ(changes, std::vector<TDateTime>{date});
        }
    }
}

TEST_F(DatePickerTyping, ADateBeingTypedIsShownAndTheOldOneKeptTillItIsWhole) {
    TypeAt(2, "1501");
    EXPECT_EQ(picker.text(), "15.01");
    EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 9));
    TypeAt(0, "20");
    EXPECT_EQ(picker.text(), "15.01.20");
    Press(Qt::Key_Backspace);
    EXPECT_EQ(picker.text(), "15.01.2");
    TypeAt(10, "127");
    EXPECT_EQ(picker.Date(), EncodeDate(2127, 1, 15));
    // Backspace takes back the shown date's last digit, and the digit typed then ends its year.
    Press(Qt::Key_Backspace);
    EXPECT_EQ(picker.text(), "15.01.212");
    EXPECT_EQ(picker.Date(), EncodeDate(2127, 1, 15));
    TypeAt(0, "8");
    EXPECT_EQ(picker.Date(), EncodeDate(2128, 1, 15));
    EXPECT_EQ(changes, (std::vector<TDateTime>{EncodeDate(2127, 1, 15), EncodeDate(2128, 1, 15)}));
}

TEST_F(DatePickerTyping, APastedDateIsTypedWhereverTheCursorIs) {
    QApplication::clipboard()->setText("15.01.2027");
    Text().setCursorPosition(2);
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, "\x16");
    QApplication::sendEvent(&Focused(), &paste);
    EXPECT_EQ(picker.Date(), EncodeDate(2027, 1, 15));
    EXPECT_EQ(changes, std::vector<TDateTime>{EncodeDate(2027, 1, 15)});
}

TEST_F(DatePickerTyping, AnUnfinishedOrImpossibleDateLeavesTheOldOne) {
    for (const int position : kPositions) {
        SCOPED_TRACE(testing::Message() << "at " << position);
        Restart();
        TypeAt(position, "31022027");  // no such day
        EXPECT_EQ(picker.text(), "09.12.2026");
        TypeAt(position, "00.01.2027");
        EXPECT_EQ(picker.text(), "09.12.2026");
        TypeAt(position, "15.01.0000");
        EXPECT_EQ(picker.text(), "09.12.2026");
        TypeAt(position, "150120");
        Press(Qt::Key_Escape);
        EXPECT_EQ(picker.text(), "09.12.2026");
        TypeAt(position, "150120");
        Press(Qt::Key_Return);
        EXPECT_EQ(picker.text(), "09.12.2026");
        TypeAt(position, "1501202");
        Press(Qt::Key_Tab);
        EXPECT_EQ(picker.text(), "09.12.2026");
        TypeAt(position, "1501202");
        next.setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(&Focused(), &next);
        EXPECT_EQ(picker.text(), "09.12.2026");
        EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 9));
        EXPECT_TRUE(changes.empty());
        // A key other than typing ends the entry and acts on the date shown.
        picker.setFocus();
        TypeAt(position, "1");
        Press(Qt::Key_Up);
        EXPECT_EQ(picker.text().toStdString(), FormatDate(picker.Date()));
    }
}

// Keys that edit the shown text in place, as in any line edit, leave what the picker would
// have taken typed: a whole date it shows, or the old date back.
TEST_F(DatePickerTyping, KeysThatEditTheTextInPlaceFollowTheTypingRules) {
    picker.SetDate(EncodeDate(2026, 12, 31));
    // The month's first digit deleted leaves no day: the old date stays, shown and kept.
    Text().setCursorPosition(3);
    QTest::keyClick(&Focused(), Qt::Key_Delete);
    EXPECT_EQ(picker.text().toStdString(), "31.12.2026");
    QTest::keyClick(&Focused(), Qt::Key_Tab);
    EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 31));
    EXPECT_EQ(picker.text().toStdString(), "31.12.2026");

    picker.setFocus();
    Text().setCursorPosition(3);
    QTest::keyClick(&Focused(), Qt::Key_Delete, Qt::ControlModifier);  // the whole month
    EXPECT_EQ(picker.text().toStdString(), "31.12.2026");
    QTest::keyClick(&Focused(), Qt::Key_Tab);
    EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 31));

    // The year taken back is a date being typed, which another year ends.
    picker.setFocus();
    Text().setCursorPosition(10);
    QTest::keyClick(&Focused(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(picker.text().toStdString(), "31.12.");
    EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 31));
    QTest::keyClicks(&Focused(), "2027");
    EXPECT_EQ(picker.Date(), EncodeDate(2027, 12, 31));

    // Left unfinished, it gives the old date back.
    Text().setSelection(6, 4);
    QTest::keyClick(&Focused(), Qt::Key_Delete);
    EXPECT_EQ(picker.text().toStdString(), "31.12.");
    QTest::keyClick(&Focused(), Qt::Key_Tab);
    EXPECT_EQ(picker.text().toStdString(), "31.12.2027");

    // What is left may be a whole date, shown as the picker shows dates.
    picker.setFocus();
    Text().setCursorPosition(4);
    QTest::keyClick(&Focused(), Qt::Key_Delete);
    EXPECT_EQ(picker.text().toStdString(), "31.01.2027");
    QTest::keyClick(&Focused(), Qt::Key_Tab);
    EXPECT_EQ(picker.Date(), EncodeDate(2027, 1, 31));

    // Everything deleted is an entry erased to nothing.
    picker.setFocus();
    Text().selectAll();
    QTest::keyClick(&Focused(), Qt::Key_Delete);
    EXPECT_EQ(picker.text().toStdString(), "");
    QTest::keyClick(&Focused(), Qt::Key_Tab);
    EXPECT_EQ(picker.text().toStdString(), "31.01.2027");
    EXPECT_EQ(changes, (std::vector<TDateTime>{EncodeDate(2027, 12, 31), EncodeDate(2027, 1, 31)}));
}

TEST_F(DatePickerTyping, ACutIsTypedAsWhatItLeaves) {
    QApplication::clipboard()->clear();
    Text().setSelection(6, 4);
    QTest::keyClick(&Focused(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "2026");
    EXPECT_EQ(picker.text().toStdString(), "09.12.");
    QTest::keyClicks(&Focused(), "2030");
    EXPECT_EQ(picker.Date(), EncodeDate(2030, 12, 9));
    EXPECT_EQ(changes, std::vector<TDateTime>{EncodeDate(2030, 12, 9)});
}

// Modifiers are pressed on their own before the key they change, or by accident.
TEST_F(DatePickerTyping, AModifierPressedAloneLeavesTheDateBeingTyped) {
    TypeAt(0, "1501");
    QTest::keyClick(&Focused(), Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyClick(&Focused(), Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(&Focused(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(&Focused(), Qt::Key_Shift);
    EXPECT_EQ(picker.text().toStdString(), "15.01");
    QTest::keyClicks(&Focused(), "2027");
    EXPECT_EQ(picker.Date(), EncodeDate(2027, 1, 15));
    EXPECT_EQ(changes, std::vector<TDateTime>{EncodeDate(2027, 1, 15)});
}

// The wheel steps the date, as the arrow keys do, and ends a date being typed.
TEST_F(DatePickerTyping, TheWheelStepsTheDateNotAPartTyped) {
    TypeAt(0, "15");
    QWheelEvent wheel(QPointF(5, 5), picker.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&picker, &wheel);
    EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 10));
    EXPECT_EQ(picker.text().toStdString(), "10.12.2026");
    TypeAt(0, "1");
    EXPECT_EQ(picker.text().toStdString(), "1");
}

// A text put in whole through the accessibility interface, as by an on-screen keyboard or
// dictation, is the date only when it is a whole one; no text is read as some other date.
TEST_F(DatePickerTyping, ATextPutInThroughTheAccessibilityInterfaceIsAWholeDateOrNothing) {
    picker.SetDate(EncodeDate(2026, 12, 31));
    for (const char* text : {"31.2.2026", "31.12", "", "15.01.-2147483648", "x"}) {
        SCOPED_TRACE(text);
        accessible_actions::ReplaceText(picker, text);
        EXPECT_EQ(picker.text().toStdString(), "31.12.2026");
        QTest::keyClick(&Focused(), Qt::Key_Tab);
        EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 31));
        picker.setFocus();
    }
    EXPECT_TRUE(changes.empty());
    accessible_actions::ReplaceText(picker, "15.01.2027");
    EXPECT_EQ(picker.Date(), EncodeDate(2027, 1, 15));
    EXPECT_EQ(changes, std::vector<TDateTime>{EncodeDate(2027, 1, 15)});
}

// The drop-down calendar, opened by its arrow and typed into.
TEST_F(DatePickerTyping, KeysTypedIntoThePopUpCalendarNeverMoveTheDate) {
    for (const char* typed : {"15012027", "15.01.2027", "1", "x"}) {
        SCOPED_TRACE(typed);
        Restart();
        QWidget* focused = user_input::DropDownCalendar(picker);
        ASSERT_NE(focused, nullptr);
        QCalendarWidget* calendar = picker.calendarWidget();
        ASSERT_TRUE(calendar->isAncestorOf(focused));
        QTest::keyClicks(focused, typed);
        QTest::keyClick(focused, Qt::Key_Return);
        EXPECT_FALSE(calendar->isVisible());
        QTest::keyClick(&Focused(), Qt::Key_Tab);
        EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 9));
        EXPECT_TRUE(changes.empty());
    }
}

TEST_F(DatePickerTyping, ADayChosenInThePopUpCalendarIsTheDate) {
    QWidget* focused = user_input::DropDownCalendar(picker);
    ASSERT_NE(focused, nullptr);
    QCalendarWidget* calendar = picker.calendarWidget();
    QTest::keyClick(focused, Qt::Key_Right);
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(picker.Date(), EncodeDate(2026, 12, 10));

    // The calendar's own month arrows take the day along, as in the diary's calendar.
    user_input::DropDownCalendar(picker);
    auto* next = calendar->findChild<QToolButton*>("qt_calendar_nextmonth");
    ASSERT_NE(next, nullptr);
    user_input::Click(*next, next->rect().center());
    EXPECT_EQ(picker.Date(), EncodeDate(2027, 1, 10));
    EXPECT_EQ(changes, (std::vector<TDateTime>{EncodeDate(2026, 12, 10), EncodeDate(2027, 1, 10)}));
}

}  // namespace
}  // namespace platform
