#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <utility>
#include <vector>

#include "platform/Dates.h"
#include "platform/qt/MonthCalendar.h"
#include "platform/qt/QtDate.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Qt's dates and the program's day numbers both count the proleptic Gregorian calendar, so
// they agree day for day over the whole range, before the calendar reform of 1582 as after it.
TEST(QtDate, DayNumbersAgreeWithQtsDaysAcrossTheWholeRange) {
    const qint64 dayZero = QDate(1899, 12, 30).toJulianDay();
    for (const TDateTime date : {EncodeDate(1, 1, 1), EncodeDate(4, 2, 29), EncodeDate(1582, 10, 4),
                                 EncodeDate(1582, 10, 15), EncodeDate(1752, 9, 2),
                                 EncodeDate(1900, 3, 1), EncodeDate(9999, 12, 31)}) {
        EXPECT_EQ(ToQDate(date).toJulianDay() - dayZero, static_cast<qint64>(date));
        EXPECT_EQ(FromQDate(ToQDate(date)), date);
    }
}

// The calendar's own navigation, used as the user uses it: the arrows, the month menu and the
// year box.
class MonthCalendarNavigation : public testing::Test {
  protected:
    MonthCalendarNavigation() {
        calendar.resize(300, 220);
        calendar.show();
        QObject::connect(&calendar, &MonthCalendar::click,
                         [this] { clicks.push_back(calendar.Date()); });
    }

    void Press(const char* arrow) {
        auto* button = calendar.findChild<QToolButton*>(arrow);
        ASSERT_NE(button, nullptr);
        user_input::Click(*button, button->rect().center());
    }
    void PreviousMonth() { Press("qt_calendar_prevmonth"); }
    void NextMonth() { Press("qt_calendar_nextmonth"); }
    void PickMonth(int month) {
        auto* button = calendar.findChild<QToolButton*>("qt_calendar_monthbutton");
        ASSERT_NE(button, nullptr);
        ASSERT_NE(button->menu(), nullptr);
        button->menu()->actions().at(month - 1)->trigger();
    }
    // Opens the year box, presses these keys in it and confirms with Enter.
    void EditYear(const std::vector<int>& keys, const QString& typed = QString()) {
        Press("qt_calendar_yearbutton");
        auto* box = calendar.findChild<QSpinBox*>("qt_calendar_yearedit");
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isVisible());
        for (const int key : keys) user_input::KeyPress(*box, key);
        user_input::Type(*box, typed);
        user_input::KeyPress(*box, Qt::Key_Return);
    }
    void TypeYear(const QString& year) {
        EditYear({Qt::Key_End, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace,
                  Qt::Key_Backspace},
                 year);
    }
    std::pair<int, int> Page() const { return {calendar.yearShown(), calendar.monthShown()}; }

    MonthCalendar calendar;
    std::vector<TDateTime> clicks;
};

TEST_F(MonthCalendarNavigation, TurningThePageTakesTheDayAlongAsAClickOnIt) {
    calendar.SetDate(EncodeDate(2005, 3, 31));
    NextMonth();
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 4, 30));  // the month's last day
    PickMonth(2);
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 2, 28));
    TypeYear("2008");
    EXPECT_EQ(calendar.Date(), EncodeDate(2008, 2, 28));
    PreviousMonth();
    EXPECT_EQ(calendar.Date(), EncodeDate(2008, 1, 28));
    EXPECT_EQ(Page(), std::pair(2008, 1));
    EXPECT_EQ(clicks, (std::vector<TDateTime>{EncodeDate(2005, 4, 30), EncodeDate(2005, 2, 28),
                                              EncodeDate(2008, 2, 28), EncodeDate(2008, 1, 28)}));
}

TEST_F(MonthCalendarNavigation, KeepsToTheProgramsDates) {
    calendar.SetDate(EncodeDate(1, 1, 15));
    PreviousMonth();
    EXPECT_EQ(calendar.Date(), EncodeDate(1, 1, 15));
    EXPECT_EQ(Page(), std::pair(1, 1));
    TypeYear("0");
    EXPECT_EQ(calendar.Date(), EncodeDate(1, 1, 15));
    EXPECT_EQ(Page(), std::pair(1, 1));
    EditYear({Qt::Key_Down});
    EXPECT_EQ(calendar.Date(), EncodeDate(1, 1, 15));
    EXPECT_EQ(Page(), std::pair(1, 1));

    calendar.SetDate(EncodeDate(9999, 12, 15));
    NextMonth();
    EXPECT_EQ(calendar.Date(), EncodeDate(9999, 12, 15));
    EXPECT_EQ(Page(), std::pair(9999, 12));
    EditYear({Qt::Key_Up});
    EXPECT_EQ(calendar.Date(), EncodeDate(9999, 12, 15));
    EXPECT_EQ(Page(), std::pair(9999, 12));
    EXPECT_TRUE(clicks.empty());
}

// Keys typed into the focused calendar, as by a user who expects to type a date there.
TEST_F(MonthCalendarNavigation, KeysTypedIntoTheCalendarNeverMoveItsDate) {
    calendar.SetDate(EncodeDate(2005, 10, 3));
    user_input::Activate(calendar);
    calendar.setFocus();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_TRUE(calendar.isAncestorOf(focused));
    for (const char* typed : {"15032024", "15.03.2024", "1", "29", "0", "x", " "}) {
        SCOPED_TRACE(typed);
        user_input::KeyClicks(*focused, typed);
        user_input::KeyPress(*focused, Qt::Key_Return, "\r");
        EXPECT_EQ(calendar.Date(), EncodeDate(2005, 10, 3));
        EXPECT_EQ(Page(), std::pair(2005, 10));
    }
    EXPECT_TRUE(clicks.empty());
    // The keys that move the date still do.
    user_input::KeyPress(*focused, Qt::Key_Right);
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 10, 4));
}

// The day cell of the calendar's table where this day number is shown, searched from the
// first row of days or from the last.
std::pair<int, int> CellOfDay(MonthCalendar& calendar, int day, bool fromTheEnd = false) {
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(calendar.findChild<QAbstractItemView*>())
            ->tableInterface();
    const int rows = table->rowCount();
    for (int i = 0; i < rows; ++i) {
        const int row = fromTheEnd ? rows - 1 - i : i;
        for (int col = 0; col < table->columnCount(); ++col) {
            if (table->cellAt(row, col)->text(QAccessible::Name) == QString::number(day))
                return {row, col};
        }
    }
    ADD_FAILURE() << "no cell shows " << day;
    return {0, 0};
}

// A day chosen through the accessibility interface, as by a screen reader or voice control.
TEST_F(MonthCalendarNavigation, ADayChosenThroughTheAccessibilityInterfaceIsTheDate) {
    calendar.SetDate(EncodeDate(2005, 10, 3));
    auto* view = calendar.findChild<QAbstractItemView*>();
    ASSERT_NE(view, nullptr);
    const auto choose = [&](std::pair<int, int> cell) {
        accessible_actions::ToggleItem(*view, cell.first, cell.second);
    };
    choose(CellOfDay(calendar, 15));
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 10, 15));
    // A day of the next or the last month turns the page to it, as a click on it does.
    choose(CellOfDay(calendar, 1, true));
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 11, 1));
    EXPECT_EQ(Page(), std::pair(2005, 11));
    choose(CellOfDay(calendar, 31));
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 10, 31));
    EXPECT_EQ(Page(), std::pair(2005, 10));

    // Unselecting the day or choosing a weekday's name keeps the date, and its day selected.
    choose(CellOfDay(calendar, 31));
    choose({0, 2});
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 10, 31));
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front().data().toInt(), 31);
    EXPECT_EQ(clicks, (std::vector<TDateTime>{EncodeDate(2005, 10, 15), EncodeDate(2005, 11, 1),
                                              EncodeDate(2005, 10, 31)}));
}

TEST(MonthCalendar, ClickFollowsTheUserWithTheDayChosen) {
    MonthCalendar calendar;
    calendar.resize(300, 220);
    calendar.show();
    std::vector<TDateTime> seen;
    QObject::connect(&calendar, &MonthCalendar::click, [&] { seen.push_back(calendar.Date()); });
    calendar.SetDate(EncodeDate(2005, 3, 3));
    EXPECT_EQ(calendar.Date(), EncodeDate(2005, 3, 3));

    auto* view = calendar.findChild<QAbstractItemView*>();
    const QAbstractItemModel& days = *view->model();
    QPoint fifteenth;  // the middle of a month is shown once
    for (int row = 0; row < days.rowCount(); ++row) {
        for (int col = 0; col < days.columnCount(); ++col) {
            const QModelIndex cell = days.index(row, col);
            if (days.data(cell).toInt() == 15) fifteenth = view->visualRect(cell).center();
        }
    }
    user_input::Click(*view->viewport(), fifteenth);
    EXPECT_EQ(seen, std::vector<TDateTime>{EncodeDate(2005, 3, 15)});
}

}  // namespace
}  // namespace platform
