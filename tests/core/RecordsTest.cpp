#include <gtest/gtest.h>

#include <limits>

#include "core/Records.h"
#include "platform/Dates.h"
#include "tests/support/Environment.h"

namespace {

using platform::EncodeDate;
using testing_support::FixedToday;

TEST(RecordsTest, DefaultTimeTableColors) {
    TTimeTableColors colors;
    colors.fill(0x12345678);
    SetDefaultTimeTableColors(colors);
    const TTimeTableColors expected = {0xFFFFFF, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0x000080,
                                       0xFFFFFF, 0x800000, 0x0000FF, 0xF0CAA6, 0x000000, 0x000000};
    EXPECT_EQ(colors, expected);
}

TEST(RecordsTest, NewRecordsStartEmpty) {
    const TStudent student;
    EXPECT_EQ(student.Class, 0);
    EXPECT_EQ(student.ClassChar, ' ');
    const TDocumentSettings settings;
    EXPECT_EQ(settings.LessonPlanDay, 0);
    EXPECT_EQ(settings.TimeTableFormRange, 0);
    EXPECT_EQ(settings.MainTimeTableRange, 0);
    EXPECT_EQ(settings.Reserved, (std::array<std::uint8_t, 12>{}));
}

// --- End of the school year --------------------------------------------------------------

TEST(EndOfSchoolYearTest, WholeSchoolYear2005To2006EndsOn30June2006) {
    FixedToday today(2005, 9, 1);
    const TDateTime end = EncodeDate(2006, 6, 30);  // a Friday
    for (TDateTime day = EncodeDate(2005, 9, 1); day <= EncodeDate(2006, 8, 31); day += 1) {
        int y = 0, m = 0, d = 0;
        platform::DecodeDate(day, y, m, d);
        today.Set(y, m, d);
        ASSERT_EQ(EndOfSchoolYear(), end) << platform::FormatDate(day);
    }
}

TEST(EndOfSchoolYearTest, LastFridayOnOrBefore30June) {
    struct Case {
        int year, month, day;
        int endYear, endDay;
    };
    const Case cases[] = {
        {2004, 3, 10, 2004, 25},  // 30 June 2004 is a Wednesday
        {2003, 9, 1, 2004, 25},   // September counts into the next June
        {2004, 8, 31, 2004, 25},  // July and August still give the June just past
        {2007, 1, 15, 2007, 29},  // a Saturday 30 June
        {2008, 5, 1, 2008, 27},   // a Monday 30 June
        {2007, 12, 31, 2008, 27}, {2002, 2, 2, 2002, 28},  // a Sunday 30 June
        {2009, 2, 2, 2009, 26},                            // a Tuesday 30 June
        {2010, 2, 2, 2010, 25},                            // a Wednesday 30 June
        {2011, 2, 2, 2011, 24},                            // a Thursday 30 June
    };
    for (const Case& c : cases) {
        FixedToday today(c.year, c.month, c.day);
        const TDateTime end = EndOfSchoolYear();
        EXPECT_EQ(end, EncodeDate(c.endYear, 6, c.endDay)) << platform::FormatDate(end);
        EXPECT_EQ(platform::DayOfWeek(end), 6);
    }
}

// --- Days left ---------------------------------------------------------------------------

TEST(DaysLeftTest, WholeDaysToALaterDate) {
    EXPECT_EQ(DaysLeft(EncodeDate(2006, 6, 1), EncodeDate(2006, 6, 30)), 29);
    EXPECT_EQ(DaysLeft(EncodeDate(2005, 9, 1), EncodeDate(2006, 6, 30)), 302);
    EXPECT_EQ(DaysLeft(10.0, 12.75), 2);  // truncated toward zero
    EXPECT_EQ(DaysLeft(10.5, 11.0), 0);
}

TEST(DaysLeftTest, ZeroWhenNotLater) {
    const TDateTime day = EncodeDate(2006, 6, 30);
    EXPECT_EQ(DaysLeft(day, day), 0);
    EXPECT_EQ(DaysLeft(day + 5, day), 0);
}

TEST(DaysLeftTest, DamagedDatesGiveDefinedResults) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(DaysLeft(0.0, nan), 0);
    EXPECT_EQ(DaysLeft(nan, 0.0), 0);
    EXPECT_EQ(DaysLeft(0.0, 1e300), std::numeric_limits<std::int32_t>::max());
}

// --- Range texts -------------------------------------------------------------------------

TEST(RangeTextTest, WeekFromMondayToSunday) {
    // Monday 8 March 2004 to Sunday 14 March 2004: every day of it gives the same week.
    for (int day = 8; day <= 14; ++day)
        EXPECT_EQ(WeekRangeText(EncodeDate(2004, 3, day)), "Od 08.03.2004 do 14.03.2004") << day;
    EXPECT_EQ(WeekRangeText(EncodeDate(2004, 3, 15)), "Od 15.03.2004 do 21.03.2004");
    // A week across the new year (1 January 2004 is a Thursday).
    EXPECT_EQ(WeekRangeText(EncodeDate(2004, 1, 1)), "Od 29.12.2003 do 04.01.2004");
    // The time of day does not matter.
    EXPECT_EQ(WeekRangeText(EncodeDate(2004, 3, 10) + 0.75), "Od 08.03.2004 do 14.03.2004");
}

TEST(RangeTextTest, MonthFromFirstToLastDay) {
    EXPECT_EQ(MonthRangeText(EncodeDate(2004, 3, 10)), "Od 01.03.2004 do 31.03.2004");
    for (int day = 1; day <= 29; ++day)
        EXPECT_EQ(MonthRangeText(EncodeDate(2004, 2, day)), "Od 01.02.2004 do 29.02.2004");
    EXPECT_EQ(MonthRangeText(EncodeDate(2005, 2, 14)), "Od 01.02.2005 do 28.02.2005");
    EXPECT_EQ(MonthRangeText(EncodeDate(2006, 4, 30)), "Od 01.04.2006 do 30.04.2006");
    EXPECT_EQ(MonthRangeText(EncodeDate(2007, 12, 31) + 0.5), "Od 01.12.2007 do 31.12.2007");
}

}  // namespace
