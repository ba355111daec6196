#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/Marks.h"
#include "platform/Types.h"

inline constexpr int kTimeTableColors = 12;
using TTimeTableColors = std::array<TColor, kTimeTableColors>;

// Time-table colour slots of TDocumentSettings::TimeTableColors and of the painter.
enum TimeTableColorSlot : int {
    ttBackground = 0,
    ttEvent,
    ttEventText,
    ttDay,
    ttDayText,
    ttToday,
    ttTodayText,
    ttDayName,
    ttDayNameSatSun,
    ttSelection,
    ttSelectionText,
    ttGridLines,
};

struct TStudent {
    std::string Name;
    std::string Surname;
    std::string Comment;
    std::string SchoolType;
    std::string SchoolName;
    std::string Term;
    TDateTime EndOfSchoolYear = 0;
    std::int32_t SchoolYear = 0;
    // 1..10, 0 = none.
    std::uint8_t Class = 0;
    // The class letter as its code-page 1250 byte; a blank when none.
    char ClassChar = ' ';
};

// One text per school day, Monday (0) to Saturday (5), lessons separated by line breaks.
struct TLessonPlan {
    std::array<std::string, 6> Days;
};

struct TDocumentSettings {
    TMarksValues MarksValues{};
    double AlarmThreshold = 0;
    // 1 = today's lesson plan, 2 = tomorrow's.
    std::uint8_t LessonPlanDay = 0;
    // 0 day, 1 week, 2 month.
    std::uint8_t TimeTableFormRange = 0;
    std::uint8_t MainTimeTableRange = 0;
    // The alignment byte of the original in-memory layout, stored in the file; kept as read.
    std::uint8_t Fill = 0;
    TTimeTableColors TimeTableColors{};
    std::array<std::uint8_t, 12> Reserved{};
};

void SetDefaultTimeTableColors(std::span<TColor, kTimeTableColors> colors);

// The default end of the current school year: the last Friday on or before 30 June.
TDateTime EndOfSchoolYear();
// Whole days from `from` to a later `to`; 0 when `to` is not later.
std::int32_t DaysLeft(TDateTime from, TDateTime to);
// "Od dd.mm.yyyy do dd.mm.yyyy" for the Monday-to-Sunday week of the date.
std::string WeekRangeText(TDateTime date);
// The same for the month of the date.
std::string MonthRangeText(TDateTime date);
