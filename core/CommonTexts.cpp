#include "core/CommonTexts.h"

#include "platform/Dates.h"
#include "platform/Numbers.h"

const TDayNames& PolishDayNames() {
    static const TDayNames names = {"Niedziela", "Poniedziałek", "Wtorek", "Środa",
                                    "Czwartek",  "Piątek",       "Sobota"};
    return names;
}

const TMonthNames& PolishMonthNames() {
    static const TMonthNames names = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                                      "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                                      "Wrzesień", "Październik", "Listopad", "Grudzień"};
    return names;
}

const TMonthNames& PolishMonthNamesGen() {
    static const TMonthNames names = {"stycznia", "lutego",       "marca",     "kwietnia",
                                      "maja",     "czerwca",      "lipca",     "sierpnia",
                                      "września", "października", "listopada", "grudnia"};
    return names;
}

std::string LongDateText(TDateTime date) {
    int year = 0, month = 0, day = 0;
    platform::DecodeDate(date, year, month, day);
    return platform::IntToStr(day) + " " + PolishMonthNamesGen()[month - 1] + " " +
           platform::IntToStr(year);
}
