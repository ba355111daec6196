#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Dates.h"
#include "timetable/NameDays.h"

namespace {

std::string NamesOn(int year, int month, int day) {
    return CImieninyBase().GetNames(platform::EncodeDate(year, month, day));
}

// Characters of a UTF-8 text: the single bytes of its code-page 1250 form.
int Characters(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

TEST(NameDays, TellingDates) {
    EXPECT_EQ(NamesOn(2005, 1, 1), "Mieszka Mieczysława Marii");
    EXPECT_EQ(NamesOn(2005, 9, 11), "Jacka Prota Dagny Hiacynta");
    EXPECT_EQ(NamesOn(2005, 12, 31), "Sylwestra Melanii Mariusza");
}

TEST(NameDays, TwentyNinthFebruaryOnlyInLeapYears) {
    EXPECT_EQ(NamesOn(2004, 2, 29), "Lecha Lutosława");
    EXPECT_EQ(NamesOn(2004, 2, 28), "Romana Ludomira Lecha");
    EXPECT_EQ(NamesOn(2005, 2, 28), "Romana Ludomira Lecha");
    // The day after 28 February of a common year skips the leap day's names.
    EXPECT_EQ(NamesOn(2005, 3, 1), "Antoniny Radosława Dawida");
    EXPECT_EQ(NamesOn(2004, 3, 1), "Antoniny Radosława Dawida");
    EXPECT_EQ(NamesOn(1900, 3, 1), "Antoniny Radosława Dawida");
}

TEST(NameDays, IndexFollowsALeapYear) {
    EXPECT_EQ(CImieninyBase::DayIndex(1, 1), 0);
    EXPECT_EQ(CImieninyBase::DayIndex(1, 31), 30);
    EXPECT_EQ(CImieninyBase::DayIndex(2, 29), 59);
    EXPECT_EQ(CImieninyBase::DayIndex(3, 1), 60);
    EXPECT_EQ(CImieninyBase::DayIndex(12, 31), 365);
}

TEST(NameDays, TimeOfDayIsIgnored) {
    const TDateTime evening = platform::EncodeDate(2004, 12, 31) + 0.99;
    EXPECT_EQ(CImieninyBase().GetNames(evening), "Sylwestra Melanii Mariusza");
}

TEST(NameDays, MonthLengthsOfALeapYear) {
    int total = 0;
    for (int month = 1; month <= 12; ++month) total += CImieninyBase::MonthLength(month);
    EXPECT_EQ(total, CImieninyBase::kDays);
    EXPECT_EQ(CImieninyBase::MonthLength(2), 29);
    EXPECT_EQ(CImieninyBase::MonthLength(4), 30);
    EXPECT_EQ(CImieninyBase::MonthLength(0), 0);
    EXPECT_EQ(CImieninyBase::MonthLength(13), 0);
    EXPECT_EQ(CImieninyBase::MonthLength(-1), 0);
}

// Every entry is two to four names split by single blanks: a damaged table would show a
// wrong day's names or stray blanks under the date.
TEST(NameDays, TableShape) {
    int byCount[5] = {};
    int shortest = 1000, longest = 0;
    for (std::string_view text : kNameDayTexts) {
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.front(), ' ') << text;
        EXPECT_NE(text.back(), ' ') << text;
        EXPECT_EQ(text.find("  "), std::string_view::npos) << text;
        const auto names = std::count(text.begin(), text.end(), ' ') + 1;
        ASSERT_GE(names, 2) << text;
        ASSERT_LE(names, 4) << text;
        ++byCount[names];
        shortest = std::min(shortest, Characters(text));
        longest = std::max(longest, Characters(text));
    }
    EXPECT_EQ(byCount[2], 73);
    EXPECT_EQ(byCount[3], 292);
    EXPECT_EQ(byCount[4], 1);
    EXPECT_EQ(shortest, 10);
    EXPECT_EQ(longest, 32);
}

}  // namespace
