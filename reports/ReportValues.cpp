#include "reports/ReportValues.h"

#include <charconv>
#include <cmath>

#include "platform/Cp1250.h"
#include "platform/Numbers.h"

std::string PupilText(const TStudent& student) {
    return student.Name + " " + student.Surname;
}

std::string ClassText(const TStudent& student) {
    // The letter is kept as its code-page byte; the reports are built in UTF-8.
    return ClassNumberToRoman(student.Class) + " " +
           platform::Cp1250ToUtf8(std::string(1, student.ClassChar)) + " " + student.SchoolType;
}

std::string SchoolYearText(const TStudent& student) {
    // The following year wraps as the 32-bit sum of the original did.
    const auto next =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(student.SchoolYear) + 1u);
    return platform::IntToStr(student.SchoolYear) + "/" + platform::IntToStr(next);
}

std::string FinalMarkText(const TSubject& subject) {
    return subject.FinalMark == kNoFinalMark ? "nie wystawiona" : MarkName(subject.FinalMark);
}

std::string MarksText(TSubject& subject) {
    std::string text;
    subject.Marks.ToString(text);
    return text;
}

double SubjectAverageValue(TSubject& subject, const TMarksValues& values) {
    return TruncTo3Decimals(subject.Average(values));
}

std::string StatusText(const TSubject& subject) {
    return subject.InAverage == 1 ? "Przedmiot obowiązkowy." : "Przedmiot dodatkowy.";
}

TGradeCounts GradeCounts(TSubjectsList& subjects) {
    TMarkCounters counters{};
    subjects.CountMarks(counters);
    TGradeCounts grades{};
    // Kinds come in threes per grade ("4", "4-", "4+"); grade 6 has only "6" and "6-".
    for (int kind = 0; kind < kMarkKinds; ++kind) grades[kind / 3] += counters[kind];
    return grades;
}

std::int32_t AllMarksCount(const TGradeCounts& counts) {
    std::int32_t all = 0;
    for (const std::int32_t count : counts) all += count;
    return all;
}

TSubjectsSummary SummarizeSubjects(TDataFile& document) {
    TSubjectsSummary summary;
    TSubjectsList& subjects = document.Subjects;
    for (std::int32_t i = 0; i < subjects.Count; ++i) {
        TSubject& subject = *subjects.Get(i);
        // Compared as the page prints it: a NaN average (a hand-made file's NaN mark value) as
        // its printed 0. "Not above" the threshold, as a NaN threshold has nothing above it.
        double average = subject.Average(document.Settings.MarksValues);
        if (std::isnan(average)) average = 0.0;
        if (!(average > document.Settings.AlarmThreshold))
            summary.EndangeredList.push_back(subject.Name);
        if (subject.InAverage == 1) {
            ++summary.CompulsoryCount;
        } else {
            ++summary.ExtraCount;
            summary.ExtraSubjectsList.push_back(subject.Name);
        }
    }
    return summary;
}

double FinalAverageCompulsory(TDataFile& document) {
    return TruncTo3Decimals(document.Subjects.FinalMarksAverage(document.Settings.MarksValues, 0));
}

double FinalAverageAll(TDataFile& document) {
    return TruncTo3Decimals(document.Subjects.FinalMarksAverage(document.Settings.MarksValues, 1));
}

double MarksAverageCompulsory(TDataFile& document) {
    return TruncTo3Decimals(document.Subjects.MarksAverage(document.Settings.MarksValues, 0));
}

double MarksAverageAll(TDataFile& document) {
    return TruncTo3Decimals(document.Subjects.MarksAverage(document.Settings.MarksValues, 1));
}

std::string AverageText(double average) {
    // The general format at six significant digits, with "." whatever the locale.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, average, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

std::string ColorToHTML(TColor color) {
    return "#" + platform::IntToHex(color & 0xFF, 2) + platform::IntToHex((color >> 8) & 0xFF, 2) +
           platform::IntToHex((color >> 16) & 0xFF, 2);
}
