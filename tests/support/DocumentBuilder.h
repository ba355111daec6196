#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/DataFile.h"

// Builders for documents the tests fill in code, instead of each test writing its own.
namespace testing_support {

// Appends a subject with these marks (codes 0..16) and returns it; the document keeps it.
TSubject* AddSubject(TDataFile& document, const std::string& name, std::vector<char> marks = {},
                     std::uint8_t inAverage = 1, std::int32_t finalMark = kNoFinalMark,
                     const std::string& teacher = "", const std::string& comment = "");

// Adds an event on the given day and returns it; the calendar keeps it.
TClEvent* AddEvent(TClCalendar& calendar, int year, int month, int day, const std::string& subject,
                   const std::string& category = "", const std::string& description = "");

// A fresh document as New makes it (the save question is not asked: it is not modified).
void MakeNew(TDataFile& document);

}  // namespace testing_support
