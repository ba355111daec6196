#pragma once

#include <string>

#include "platform/Types.h"

namespace platform {

bool IsLeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// False (and date untouched) for a year outside 1..9999, a month outside 1..12 or a day
// outside the month.
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
// Like TryEncodeDate, but an impossible date gives 0 (30.12.1899).
TDateTime EncodeDate(int year, int month, int day);
// The calendar day of a date; the time of day is ignored. A day number outside 1.1.0001 to
// 31.12.9999 gives the nearer end of that range, NaN gives 30.12.1899.
void DecodeDate(TDateTime date, int& year, int& month, int& day);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime date);

// "dd.mm.yyyy" whatever the user's locale.
std::string FormatDate(TDateTime date);

}  // namespace platform
