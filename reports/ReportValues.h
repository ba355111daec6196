#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/DataFile.h"
#include "platform/Types.h"

// The values the grade reports are made of, shared by the HTML and the text report. The
// document is only read; the model's list walks need it non-const.

std::string PupilText(const TStudent& student);
// Roman class number, class letter and school type, each followed by a blank but the last.
std::string ClassText(const TStudent& student);
// "2004/2005" for a school year starting in 2004.
std::string SchoolYearText(const TStudent& student);

// "nie wystawiona" without a final mark, else the mark's name.
std::string FinalMarkText(const TSubject& subject);
std::string MarksText(TSubject& subject);
// The subject's average, truncated to three decimals (0 without marks).
double SubjectAverageValue(TSubject& subject, const TMarksValues& values);
std::string StatusText(const TSubject& subject);

// Marks counted by whole grade: element 0 holds grade 1 ("1", "1-", "1+"), element 5 grade 6.
using TGradeCounts = std::array<std::int32_t, 6>;
TGradeCounts GradeCounts(TSubjectsList& subjects);
std::int32_t AllMarksCount(const TGradeCounts& counts);

// One pass over the subjects in list order, as the summaries need it.
struct TSubjectsSummary {
    std::int32_t CompulsoryCount = 0;
    std::int32_t ExtraCount = 0;
    // Names of the subjects outside the general average.
    std::vector<std::string> ExtraSubjectsList;
    // Names of the subjects whose full (untruncated) average is not above the alarm threshold;
    // a NaN average counts as the 0 printed for it, and under a NaN threshold every subject is.
    std::vector<std::string> EndangeredList;
};
TSubjectsSummary SummarizeSubjects(TDataFile& document);

// The four averages of the summary, truncated to three decimals.
double FinalAverageCompulsory(TDataFile& document);
double FinalAverageAll(TDataFile& document);
double MarksAverageCompulsory(TDataFile& document);
double MarksAverageAll(TDataFile& document);

// An average as the reports write it: at most 6 significant digits, "." whatever the locale,
// no trailing zeros (4.333, 4.5, 5, 0).
std::string AverageText(double average);

// "#RRGGBB" of a colour stored red-first; the high byte is not used.
std::string ColorToHTML(TColor color);
