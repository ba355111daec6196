#pragma once

#include <QDate>

#include "platform/Dates.h"

namespace platform {

// The first and last days the program's dates can hold, as Qt dates. Both count the proleptic
// Gregorian calendar, so a day number and its Qt date agree over the whole range; outside it
// there are no day numbers (and Qt's years go straight from -1 to 1).
inline QDate FirstQDate() {
    return QDate(1, 1, 1);
}

inline QDate LastQDate() {
    return QDate(9999, 12, 31);
}

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
