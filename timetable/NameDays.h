#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/Types.h"

// The name days: for every day of the year the given names celebrated on it, as one text
// ready to be shown.
class CImieninyBase {
  public:
    // One text per day of a leap year.
    static constexpr int kDays = 366;

    CImieninyBase();

    // Assigns the compiled-in texts in index order.
    void Fill();
    // The names of the date's month and day; the year and the time of day do not matter.
    std::string GetNames(TDateTime date) const;
    // Days of the month in a leap year; 0 for a month outside 1..12.
    static int MonthLength(int month);
    // Position of a month and day in a leap year, 0 for 1 January; February always has 29
    // days here, so 1 March is 60 in every year.
    static int DayIndex(int month, int day);

  private:
    std::array<std::string, kDays> Names;
};

// Two to four given names in the genitive, index order of a leap year (59 is 29 February).
extern const std::array<std::string_view, CImieninyBase::kDays> kNameDayTexts;
