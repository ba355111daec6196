#include <gtest/gtest.h>

#include "core/CommonTexts.h"
#include "platform/Dates.h"

TEST(CommonTextsTest, NamesStartOnSundayAndJanuary) {
    EXPECT_EQ("Niedziela", PolishDayNames()[0]);
    EXPECT_EQ("Sobota", PolishDayNames()[6]);
    EXPECT_EQ("Styczeń", PolishMonthNames()[0]);
    EXPECT_EQ("Grudzień", PolishMonthNames()[11]);
    EXPECT_EQ("października", PolishMonthNamesGen()[9]);
}

TEST(CommonTextsTest, LongDateHasNoLeadingZero) {
    EXPECT_EQ("14 sierpnia 2004", LongDateText(platform::EncodeDate(2004, 8, 14)));
    EXPECT_EQ("1 stycznia 2005", LongDateText(platform::EncodeDate(2005, 1, 1)));
}
