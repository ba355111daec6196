#include "timetable/NameDays.h"

#include "platform/Dates.h"

CImieninyBase::CImieninyBase() {
    Fill();
}

void CImieninyBase::Fill() {
    for (int i = 0; i < kDays; ++i) Names[i] = kNameDayTexts[i];
}

std::string CImieninyBase::GetNames(TDateTime date) const {
    int year = 0, month = 0, day = 0;
    platform::DecodeDate(date, year, month, day);
    return Names[DayIndex(month, day)];
}

int CImieninyBase::MonthLength(int month) {
    static constexpr std::array<int, 12> kLengths = {31, 29, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return kLengths[month - 1];
}

int CImieninyBase::DayIndex(int month, int day) {
    int index = day - 1;
    for (int m = 1; m < month; ++m) index += MonthLength(m);
    return index;
}
