#pragma once

#include <QDate>

#include "platform/Dates.h"

namespace platform {

// A day number as a calendar date and back; the time of day is dropped.
inline QDate ToQDate(TDateTime date) {
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(date, year, month, day);
    return QDate(year, month, day);
}

inline TDateTime FromQDate(const QDate& date) {
    return EncodeDate(date.year(), date.month(), date.day());
}

}  // namespace platform
