#pragma once

#include <array>
#include <string>

#include "platform/Types.h"

// Texts that several windows, painters and reports show the same way.

inline constexpr char kProgramTitle[] = "Quirvale 2";

using TDayNames = std::array<std::string, 7>;
using TMonthNames = std::array<std::string, 12>;

// "Niedziela" .. "Sobota": Sunday first, as the platform numbers weekdays (1 = Sunday).
const TDayNames& PolishDayNames();
// "Styczeń" .. "Grudzień".
const TMonthNames& PolishMonthNames();
// "stycznia" .. "grudnia": the genitive, as a date is read out ("14 sierpnia").
const TMonthNames& PolishMonthNamesGen();

// "14 sierpnia 2004": the day, the genitive month name and the year.
std::string LongDateText(TDateTime date);
