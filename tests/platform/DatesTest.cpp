#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "platform/Clock.h"
#include "platform/Dates.h"
#include "tests/support/Environment.h"

namespace {

using platform::DecodeDate;
using platform::EncodeDate;
using platform::FormatDate;

struct Ymd {
    int y = 0, m = 0, d = 0;
    bool operator==(const Ymd&) const = default;
};

Ymd Decoded(TDateTime date) {
    Ymd ymd;
    DecodeDate(date, ymd.y, ymd.m, ymd.d);
    return ymd;
}

// --- Day numbers -------------------------------------------------------------------------

TEST(DayNumbersTest, KnownDays) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1899, 12, 31), 1.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(1900, 3, 1), 61.0);  // 1900 is no leap year
    EXPECT_EQ(EncodeDate(2004, 3, 10), 38056.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST(DayNumbersTest, EncodeAndDecodeRoundTrip) {
    for (TDateTime day = EncodeDate(1895, 1, 1); day <= EncodeDate(2105, 12, 31); day += 1) {
        const Ymd ymd = Decoded(day);
        ASSERT_EQ(EncodeDate(ymd.y, ymd.m, ymd.d), day) << day;
        ASSERT_EQ(Decoded(day + 1), Decoded(EncodeDate(ymd.y, ymd.m, ymd.d) + 1));
    }
}

TEST(DayNumbersTest, ImpossibleDatesAreRefused) {
    TDateTime date = 123.0;
    EXPECT_FALSE(platform::TryEncodeDate(2005, 2, 29, date));
    EXPECT_FALSE(platform::TryEncodeDate(2004, 13, 1, date));
    EXPECT_FALSE(platform::TryEncodeDate(2004, 0, 1, date));
    EXPECT_FALSE(platform::TryEncodeDate(2004, 4, 31, date));
    EXPECT_FALSE(platform::TryEncodeDate(2004, 1, 0, date));
    EXPECT_FALSE(platform::TryEncodeDate(0, 1, 1, date));
    EXPECT_FALSE(platform::TryEncodeDate(10000, 1, 1, date));
    EXPECT_EQ(date, 123.0);
    EXPECT_TRUE(platform::TryEncodeDate(2004, 2, 29, date));
    EXPECT_EQ(date, EncodeDate(2004, 2, 29));
    EXPECT_EQ(EncodeDate(2005, 2, 29), 0.0);
}

TEST(DayNumbersTest, TimeOfDayIsIgnoredWhenDecoding) {
    EXPECT_EQ(Decoded(38056.99), (Ymd{2004, 3, 10}));
    // Before day 0 the fraction still runs forward from the start of the day.
    EXPECT_EQ(Decoded(-0.5), (Ymd{1899, 12, 30}));
    EXPECT_EQ(Decoded(-1.25), (Ymd{1899, 12, 29}));
}

TEST(DayNumbersTest, DamagedDayNumbersStayInTheCalendar) {
    EXPECT_EQ(Decoded(1e300), (Ymd{9999, 12, 31}));
    EXPECT_EQ(Decoded(-1e300), (Ymd{1, 1, 1}));
    EXPECT_EQ(Decoded(std::numeric_limits<double>::infinity()), (Ymd{9999, 12, 31}));
    EXPECT_EQ(Decoded(std::numeric_limits<double>::quiet_NaN()), (Ymd{1899, 12, 30}));
    EXPECT_EQ(FormatDate(std::numeric_limits<double>::quiet_NaN()), "30.12.1899");
    EXPECT_GE(platform::DayOfWeek(1e300), 1);
    EXPECT_LE(platform::DayOfWeek(1e300), 7);
}

// --- Calendar rules ----------------------------------------------------------------------

TEST(CalendarTest, DayOfWeekStartsOnSunday) {
    EXPECT_EQ(platform::DayOfWeek(EncodeDate(2004, 3, 7)), 1);   // Sunday
    EXPECT_EQ(platform::DayOfWeek(EncodeDate(2004, 3, 10)), 4);  // Wednesday
    EXPECT_EQ(platform::DayOfWeek(EncodeDate(2006, 6, 30)), 6);  // Friday
    EXPECT_EQ(platform::DayOfWeek(EncodeDate(2007, 6, 30)), 7);  // Saturday
    EXPECT_EQ(platform::DayOfWeek(0.0), 7);                      // 30.12.1899, a Saturday
    EXPECT_EQ(platform::DayOfWeek(EncodeDate(2004, 3, 10) + 0.9), 4);
}

TEST(CalendarTest, DaysInMonthAndLeapYears) {
    const int days2005[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(platform::DaysInMonth(2005, month), days2005[month - 1]);
    EXPECT_EQ(platform::DaysInMonth(2004, 2), 29);
    EXPECT_EQ(platform::DaysInMonth(1900, 2), 28);
    EXPECT_EQ(platform::DaysInMonth(2000, 2), 29);
    EXPECT_EQ(platform::DaysInMonth(2004, 0), 0);
    EXPECT_EQ(platform::DaysInMonth(2004, 13), 0);
    EXPECT_TRUE(platform::IsLeapYear(2008));
    EXPECT_FALSE(platform::IsLeapYear(2100));
}

TEST(CalendarTest, FormatIsAlwaysDayMonthYear) {
    EXPECT_EQ(FormatDate(EncodeDate(2004, 3, 5)), "05.03.2004");
    EXPECT_EQ(FormatDate(EncodeDate(2006, 12, 31) + 0.999), "31.12.2006");
    EXPECT_EQ(FormatDate(EncodeDate(1, 1, 1)), "01.01.0001");
    EXPECT_EQ(FormatDate(0.0), "30.12.1899");
}

// --- Clock -------------------------------------------------------------------------------

TEST(ClockTest, FixedTodayDrivesDateAndNow) {
    testing_support::FixedToday today(2004, 3, 10);
    EXPECT_EQ(platform::Date(), EncodeDate(2004, 3, 10));
    EXPECT_GT(platform::Now(), platform::Date());
    EXPECT_LT(platform::Now(), platform::Date() + 1);
    today.Set(2008, 2, 29);
    EXPECT_EQ(platform::Date(), EncodeDate(2008, 2, 29));
}

TEST(ClockTest, NullClockRestoresTheSystemClock) {
    testing_support::FixedToday today(1990, 1, 1);
    std::unique_ptr<platform::Clock> fixed = platform::SetClock(nullptr);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->Now(), EncodeDate(1990, 1, 1) + 0.5);

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const TDateTime expected = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    // A day of slack for a test that runs across midnight.
    EXPECT_NEAR(platform::Date(), expected, 1.0);
    EXPECT_EQ(platform::Date(), static_cast<double>(static_cast<long>(platform::Date())));
    platform::SetClock(std::move(fixed));  // FixedToday puts back what it replaced
}

}  // namespace
