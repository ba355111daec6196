#include "platform/Dates.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace platform {
namespace {

using namespace std::chrono;

// Day 0 of the Windows day numbers.
constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

// The range that EncodeDate accepts: 1.1.0001 to 31.12.9999.
constexpr double kFirstDay = (sys_days{year{1} / January / 1} - kEpoch).count();
constexpr double kLastDay = (sys_days{year{9999} / December / 31} - kEpoch).count();

// The day part of a day number. Before day 0 the fraction still counts forward from the day's
// start (-1.25 is 29.12.1899, 6:00), so the day is the number truncated toward zero. A date
// read from a damaged file may be anything; it is held to the calendar's range (and NaN
// taken as day 0) instead of overflowing the conversion.
long WholeDays(TDateTime date) {
    if (std::isnan(date)) return 0;
    return static_cast<long>(std::trunc(std::clamp(date, kFirstDay, kLastDay)));
}

}  // namespace

bool IsLeapYear(int y) {
    return year{y}.is_leap();
}

int DaysInMonth(int y, int m) {
    if (m < 1 || m > 12) return 0;
    return static_cast<int>(static_cast<unsigned>((year{y} / month(m) / last).day()));
}

bool TryEncodeDate(int y, int m, int d, TDateTime& date) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
    const sys_days day = year{y} / month(m) / d;
    date = static_cast<TDateTime>((day - kEpoch).count());
    return true;
}

TDateTime EncodeDate(int y, int m, int d) {
    TDateTime date = 0;
    TryEncodeDate(y, m, d, date);
    return date;
}

void DecodeDate(TDateTime date, int& y, int& m, int& d) {
    const year_month_day ymd{kEpoch + days{WholeDays(date)}};
    y = static_cast<int>(ymd.year());
    m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    d = static_cast<int>(static_cast<unsigned>(ymd.day()));
}

int DayOfWeek(TDateTime date) {
    const weekday wd{kEpoch + days{WholeDays(date)}};
    return static_cast<int>(wd.c_encoding()) + 1;
}

std::string FormatDate(TDateTime date) {
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", d, m, y);
    return text;
}

}  // namespace platform
