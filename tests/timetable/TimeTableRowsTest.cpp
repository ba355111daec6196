#include <gtest/gtest.h>

#include <string>

#include "platform/Dates.h"
#include "timetable/DrawTimeTable.h"

namespace {

TDateTime Day(int year, int month, int day) {
    return platform::EncodeDate(year, month, day);
}

void AddEvents(TClCalendar& calendar, int year, int month, int day, int count) {
    for (int i = 0; i < count; ++i)
        calendar.AddEvent(day, month, year, new TClEvent{"E" + std::to_string(i), "", 0, 0, ""});
}

// The rows as "entry:H" for a header and "entry:event" for an event, one blank apart.
std::string Layout(const TDrawTimeTable& painter) {
    std::string text;
    for (int r = 0; r < painter.RowCount; ++r) {
        const TTimeTableRow row = painter.Row(r);
        if (!text.empty()) text += ' ';
        text += std::to_string(row.entryIndex) + ':' +
                (row.eventIndex == kTimeTableHeaderRow ? std::string("H")
                                                       : std::to_string(row.eventIndex));
    }
    return text;
}

// The entries' dates as "d.m.y", one blank apart.
std::string Dates(const TDrawTimeTable& painter) {
    std::string text;
    for (int i = 0; i < painter.EntryCount; ++i) {
        const TTimeTableEntry& e = painter.Entries[i];
        if (!text.empty()) text += ' ';
        text += std::to_string(e.dayNumber) + '.' + std::to_string(e.month) + '.' +
                std::to_string(e.year);
    }
    return text;
}

class TimeTableRows : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(painter.SetCalendar(&calendar), 1); }

    int BuildAs(std::uint8_t range, TDateTime date) {
        painter.SetRange(range);
        return painter.Build(date);
    }

    TClCalendar calendar;
    TDrawTimeTable painter;
};

TEST(TimeTablePainter, StartsEmptyWithItsOwnColours) {
    const TDrawTimeTable painter;
    EXPECT_EQ(painter.Initialized, 0);
    EXPECT_EQ(painter.Calendar, nullptr);
    EXPECT_EQ(painter.RowCount, 0);
    EXPECT_EQ(painter.EntryCount, 0);
    EXPECT_EQ(painter.Range, 0);
    EXPECT_EQ(painter.CategoryBoxWidth, 90);
    EXPECT_EQ(painter.DayNames, nullptr);
    EXPECT_EQ(painter.MonthNamesGen, nullptr);
    const TTimeTableColors expected = {0xFFFFFF, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0x800080,
                                       0xFFFFFF, 0x800000, 0x0000FF, 0xF0CAA6, 0x000000, 0x000000};
    EXPECT_EQ(painter.Colors, expected);
}

TEST(TimeTablePainter, CalendarIsAttachedOnce) {
    TClCalendar first, second;
    TDrawTimeTable painter;
    EXPECT_EQ(painter.Build(Day(2004, 3, 10)), -1);
    EXPECT_EQ(painter.BuildRows(), -1);
    EXPECT_EQ(painter.SetCalendar(&first), 1);
    EXPECT_EQ(painter.Initialized, 1);
    EXPECT_EQ(painter.SetCalendar(&second), -2);
    EXPECT_EQ(painter.Calendar, &first);

    AddEvents(first, 2004, 3, 10, 1);
    ASSERT_EQ(painter.Build(Day(2004, 3, 10)), 1);
    EXPECT_EQ(painter.Reset(), 1);
    EXPECT_EQ(painter.Initialized, 0);
    EXPECT_EQ(painter.Calendar, nullptr);
    EXPECT_EQ(painter.RowCount, 0);
    EXPECT_EQ(painter.Entries, nullptr);
    EXPECT_EQ(painter.SetCalendar(&second), 1);
}

TEST(TimeTablePainter, NullCalendarIsNotAttached) {
    TDrawTimeTable painter;
    EXPECT_EQ(painter.SetCalendar(nullptr), -1);
    EXPECT_EQ(painter.Initialized, 0);
}

TEST(TimeTablePainter, NullNameTableKeepsTheStoredOne) {
    const std::array<std::string, 7> days{};
    const std::array<std::string, 12> months{}, genitive{};
    TDrawTimeTable painter;
    painter.SetNameTables(&days, &months, &genitive);
    painter.SetNameTables(nullptr, nullptr, nullptr);
    EXPECT_EQ(painter.DayNames, &days);
    EXPECT_EQ(painter.MonthNames, &months);
    EXPECT_EQ(painter.MonthNamesGen, &genitive);
}

TEST_F(TimeTableRows, RowsWithoutEntriesArray) {
    EXPECT_EQ(painter.BuildRows(), -4);
}

TEST_F(TimeTableRows, DayWithEvents) {
    AddEvents(calendar, 2004, 3, 10, 2);
    EXPECT_EQ(BuildAs(0, Day(2004, 3, 10) + 0.75), 1);
    EXPECT_EQ(Dates(painter), "10.3.2004");
    EXPECT_EQ(Layout(painter), "0:H 0:0 0:1");
    EXPECT_EQ(painter.RowDay(1), calendar.GetOrCreateDay(10, 3, 2004));
    EXPECT_EQ(painter.RowEvent(0), nullptr);
    EXPECT_EQ(painter.RowEvent(2)->Subject, "E1");
}

TEST_F(TimeTableRows, DayNotInCalendarLeavesNothing) {
    AddEvents(calendar, 2004, 3, 10, 1);
    ASSERT_EQ(BuildAs(0, Day(2004, 3, 10)), 1);
    EXPECT_EQ(painter.Build(Day(2004, 3, 11)), -3);
    EXPECT_EQ(painter.EntryCount, 0);
    EXPECT_EQ(painter.RowCount, 0);
    EXPECT_EQ(painter.Rows, nullptr);
    EXPECT_EQ(painter.Build(Day(2004, 4, 10)), -3);
    EXPECT_EQ(painter.Build(Day(2005, 3, 10)), -3);
}

TEST_F(TimeTableRows, DayWhoseEventsWereDeleted) {
    AddEvents(calendar, 2004, 3, 10, 2);
    TClDay* day = calendar.GetOrCreateDay(10, 3, 2004);
    day->Events.Delete(1);
    day->Events.Delete(0);
    EXPECT_EQ(BuildAs(0, Day(2004, 3, 10)), 1);
    EXPECT_EQ(painter.EntryCount, 1);
    EXPECT_EQ(painter.RowCount, 0);
    EXPECT_EQ(painter.BuildRows(), 1);
    EXPECT_EQ(painter.RowCount, 0);
}

TEST_F(TimeTableRows, OddRangeIsBuiltAsADay) {
    AddEvents(calendar, 2004, 3, 10, 1);
    AddEvents(calendar, 2004, 3, 11, 1);
    EXPECT_EQ(BuildAs(7, Day(2004, 3, 12)), -3);
    EXPECT_EQ(painter.Range, 7);
    EXPECT_EQ(painter.Build(Day(2004, 3, 10)), 1);
    EXPECT_EQ(painter.Range, 0);
    EXPECT_EQ(Dates(painter), "10.3.2004");
}

TEST_F(TimeTableRows, WeekRunsMondayToSunday) {
    for (int day : {7, 8, 10, 14, 15}) AddEvents(calendar, 2004, 3, day, 1);
    AddEvents(calendar, 2004, 3, 10, 1);
    // Wednesday, then the Sunday that closes the same week, then its Monday.
    for (TDateTime date : {Day(2004, 3, 10), Day(2004, 3, 14), Day(2004, 3, 8)}) {
        EXPECT_EQ(BuildAs(1, date), 1);
        EXPECT_EQ(Dates(painter), "8.3.2004 10.3.2004 14.3.2004");
        EXPECT_EQ(Layout(painter), "0:H 0:0 1:H 1:0 1:1 2:H 2:0");
        EXPECT_EQ(painter.Range, 1);
    }
}

TEST_F(TimeTableRows, WeekAcrossAYearEnd) {
    AddEvents(calendar, 2003, 12, 28, 1);  // Sunday before
    AddEvents(calendar, 2003, 12, 30, 1);
    AddEvents(calendar, 2004, 1, 2, 2);
    AddEvents(calendar, 2004, 1, 4, 1);
    AddEvents(calendar, 2004, 1, 5, 1);  // Monday after
    EXPECT_EQ(BuildAs(1, Day(2004, 1, 1)), 1);
    EXPECT_EQ(Dates(painter), "30.12.2003 2.1.2004 4.1.2004");
    EXPECT_EQ(Layout(painter), "0:H 0:0 1:H 1:0 1:1 2:H 2:0");
}

// The calendar ends on Friday 31.12.9999 and starts on Monday 1.1.0001; a week at either end
// shows only the days that exist, each once.
TEST_F(TimeTableRows, WeeksAtTheEndsOfTheCalendar) {
    AddEvents(calendar, 9999, 12, 27, 1);
    AddEvents(calendar, 9999, 12, 31, 2);
    for (TDateTime date : {Day(9999, 12, 27), Day(9999, 12, 31)}) {
        EXPECT_EQ(BuildAs(1, date), 1);
        EXPECT_EQ(Dates(painter), "27.12.9999 31.12.9999");
        EXPECT_EQ(Layout(painter), "0:H 0:0 1:H 1:0 1:1");
    }
    AddEvents(calendar, 1, 1, 1, 1);
    AddEvents(calendar, 1, 1, 7, 1);
    EXPECT_EQ(BuildAs(1, Day(1, 1, 4)), 1);
    EXPECT_EQ(Dates(painter), "1.1.1 7.1.1");
}

TEST_F(TimeTableRows, WeekWithAMissingMonthDropsOnlyItsDays) {
    AddEvents(calendar, 2004, 4, 2, 1);
    // March 2004 and the whole of 2003 are absent.
    EXPECT_EQ(BuildAs(1, Day(2004, 3, 31)), 1);
    EXPECT_EQ(Dates(painter), "2.4.2004");
    AddEvents(calendar, 2004, 1, 1, 1);
    EXPECT_EQ(BuildAs(1, Day(2004, 1, 1)), 1);
    EXPECT_EQ(Dates(painter), "1.1.2004");
}

TEST_F(TimeTableRows, EmptyWeek) {
    AddEvents(calendar, 2004, 3, 10, 1);
    calendar.GetOrCreateDay(10, 3, 2004)->Events.Delete(0);
    AddEvents(calendar, 2004, 3, 20, 1);
    EXPECT_EQ(BuildAs(1, Day(2004, 3, 10)), 1);
    EXPECT_EQ(painter.EntryCount, 0);
    EXPECT_EQ(painter.Entries, nullptr);
    EXPECT_EQ(painter.RowCount, 0);
    EXPECT_EQ(painter.Range, 1);
    EXPECT_EQ(BuildAs(1, Day(1990, 1, 1)), 1);
    EXPECT_EQ(painter.RowCount, 0);
}

TEST_F(TimeTableRows, MonthWalksItsDaysWithEvents) {
    AddEvents(calendar, 2004, 3, 31, 1);
    AddEvents(calendar, 2004, 3, 1, 2);
    AddEvents(calendar, 2004, 3, 15, 1);
    calendar.GetOrCreateDay(15, 3, 2004)->Events.Delete(0);
    AddEvents(calendar, 2004, 3, 9, 1);
    AddEvents(calendar, 2004, 4, 1, 1);
    EXPECT_EQ(BuildAs(2, Day(2004, 3, 20)), 1);
    EXPECT_EQ(Dates(painter), "1.3.2004 9.3.2004 31.3.2004");
    EXPECT_EQ(Layout(painter), "0:H 0:0 0:1 1:H 1:0 2:H 2:0");
    EXPECT_EQ(painter.Range, 2);
}

TEST_F(TimeTableRows, MonthNotInCalendar) {
    AddEvents(calendar, 2004, 3, 1, 1);
    EXPECT_EQ(BuildAs(2, Day(2004, 5, 1)), -3);
    EXPECT_EQ(BuildAs(2, Day(2005, 3, 1)), -3);
    EXPECT_EQ(painter.RowCount, 0);
}

TEST_F(TimeTableRows, MonthWithoutEventsOrDays) {
    AddEvents(calendar, 2004, 3, 10, 1);
    calendar.GetOrCreateDay(10, 3, 2004)->Events.Delete(0);
    EXPECT_EQ(BuildAs(2, Day(2004, 3, 1)), 1);
    EXPECT_EQ(painter.RowCount, 0);
    EXPECT_EQ(painter.Entries, nullptr);

    // A month without days comes only from a file.
    std::int32_t index = 0;
    auto* month = new TClMonth;
    month->SetValue(4);
    calendar.Find(2004, &index)->AddSorted(month, &index);
    painter.SetRange(0);
    EXPECT_EQ(BuildAs(2, Day(2004, 4, 1)), 1);
    EXPECT_EQ(painter.RowCount, 0);
    EXPECT_EQ(painter.Range, 2);
}

TEST_F(TimeTableRows, RebuildReplacesEverything) {
    AddEvents(calendar, 2004, 3, 1, 3);
    AddEvents(calendar, 2004, 3, 2, 1);
    ASSERT_EQ(BuildAs(2, Day(2004, 3, 1)), 1);
    ASSERT_EQ(painter.RowCount, 6);
    EXPECT_EQ(BuildAs(0, Day(2004, 3, 2)), 1);
    EXPECT_EQ(Layout(painter), "0:H 0:0");
    EXPECT_EQ(painter.EntryCount, 1);
}

TEST_F(TimeTableRows, RowLookupsOutsideTheRows) {
    AddEvents(calendar, 2004, 3, 1, 1);
    ASSERT_EQ(BuildAs(0, Day(2004, 3, 1)), 1);
    EXPECT_EQ(painter.RowDay(-1), nullptr);
    EXPECT_EQ(painter.RowDay(2), nullptr);
    EXPECT_EQ(painter.RowEvent(2), nullptr);
    EXPECT_EQ(painter.Row(2).eventIndex, kTimeTableHeaderRow);
}

TEST_F(TimeTableRows, EventDeletedSinceTheBuildIsNotReached) {
    AddEvents(calendar, 2004, 3, 1, 2);
    ASSERT_EQ(BuildAs(0, Day(2004, 3, 1)), 1);
    calendar.GetOrCreateDay(1, 3, 2004)->Events.Delete(1);
    EXPECT_EQ(painter.RowEvent(2), nullptr);
    EXPECT_EQ(painter.RowEvent(1)->Subject, "E0");
}

// Event indexes reach the calendar as signed 16-bit values: rows stop at index 32767.
TEST_F(TimeTableRows, CrowdedDayIsCappedWhereIndexesEnd) {
    AddEvents(calendar, 2004, 3, 1, 40000);
    AddEvents(calendar, 2004, 3, 2, 1);
    ASSERT_EQ(BuildAs(2, Day(2004, 3, 1)), 1);
    EXPECT_EQ(painter.RowCount, 1 + 32768 + 2);
    EXPECT_EQ(painter.Row(32768).eventIndex, 32767);
    EXPECT_EQ(painter.RowEvent(32768)->Subject, "E32767");
    EXPECT_EQ(painter.Row(32769).entryIndex, 1);
}

// Entry indexes are u16: a damaged month with more days than that is cut there.
TEST_F(TimeTableRows, DamagedMonthWithTooManyDays) {
    for (int day = 1; day <= 70000; ++day) AddEvents(calendar, 2004, 3, day, 1);
    ASSERT_EQ(BuildAs(2, Day(2004, 3, 1)), 1);
    EXPECT_EQ(painter.EntryCount, 0xFFFF);
    EXPECT_EQ(painter.RowCount, 2 * 0xFFFF);
    EXPECT_EQ(painter.Row(2 * 0xFFFF - 1).entryIndex, 0xFFFE);
}

// A day number that does not fit an entry is stored as 0, a date that never encodes.
TEST_F(TimeTableRows, DamagedDayNumbersAreKeptOrZeroed) {
    AddEvents(calendar, 2004, 4, 31, 1);
    AddEvents(calendar, 2004, 4, 70000, 1);
    ASSERT_EQ(BuildAs(2, Day(2004, 4, 1)), 1);
    EXPECT_EQ(Dates(painter), "31.4.2004 0.4.2004");
}

}  // namespace
