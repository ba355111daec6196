#include "core/Records.h"

#include <limits>

#include "platform/Clock.h"
#include "platform/Dates.h"

namespace {

constexpr int kSunday = 1;
constexpr int kFriday = 6;
constexpr int kSaturday = 7;

std::string RangeText(TDateTime first, TDateTime last) {
    return "Od " + platform::FormatDate(first) + " do " + platform::FormatDate(last);
}

}  // namespace

void SetDefaultTimeTableColors(std::span<TColor, kTimeTableColors> colors) {
    colors[ttBackground] = 0xFFFFFF;
    colors[ttEvent] = 0xFFFFFF;
    colors[ttEventText] = 0x000000;
    colors[ttDay] = 0xC0C0C0;
    colors[ttDayText] = 0x000000;
    colors[ttToday] = 0x000080;
    colors[ttTodayText] = 0xFFFFFF;
    colors[ttDayName] = 0x800000;
    colors[ttDayNameSatSun] = 0x0000FF;
    colors[ttSelection] = 0xF0CAA6;
    colors[ttSelectionText] = 0x000000;
    colors[ttGridLines] = 0x000000;
}

TDateTime EndOfSchoolYear() {
    int year = 0, month = 0, day = 0;
    platform::DecodeDate(platform::Date(), year, month, day);
    // From September on, the school year ends in the next calendar year.
    if (month >= 9) ++year;
    const int weekday = platform::DayOfWeek(platform::EncodeDate(year, 6, 30));
    // The last Friday on or before 30 June.
    int lastDay = 0;
    if (weekday == kFriday) {
        lastDay = 30;
    } else if (weekday == kSaturday) {
        lastDay = 29;
    } else {
        lastDay = 29 - weekday;
    }
    return platform::EncodeDate(year, 6, lastDay);
}

std::int32_t DaysLeft(TDateTime from, TDateTime to) {
    // Written as "not later" so that a damaged (NaN) date also gives 0.
    if (!(to > from)) return 0;
    const double days = to - from;
    if (days >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(days);
}

std::string WeekRangeText(TDateTime date) {
    const int weekday = platform::DayOfWeek(date);
    // Monday 1 ... Saturday 6, Sunday 7.
    const int dayOfWeek = weekday == kSunday ? 7 : weekday - 1;
    const TDateTime monday = date - (dayOfWeek - 1);
    return RangeText(monday, monday + 6);
}

std::string MonthRangeText(TDateTime date) {
    int year = 0, month = 0, day = 0;
    platform::DecodeDate(date, year, month, day);
    return RangeText(platform::EncodeDate(year, month, 1),
                     platform::EncodeDate(year, month, platform::DaysInMonth(year, month)));
}
