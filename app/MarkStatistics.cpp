#include "app/MarkStatistics.h"

#include <QLabel>

#include "platform/Numbers.h"

TGradeSums SumGrades(const TMarkCounters& counters) {
    TGradeSums sums;
    // Codes run three to a grade, "n", "n-", "n+"; grade 6 has no "6+".
    for (int code = 0; code < kMarkKinds; ++code) sums.Grades[code / 3] += counters[code];
    for (const std::int32_t grade : sums.Grades) sums.All += grade;
    return sums;
}

void ShowCount(QLabel& label, std::int32_t count) {
    label.setText(QString::fromStdString(platform::IntToStr(count)));
}

void ShowMarkCounts(const TMarkCounters& counters, const TMarkCountLabels& labels) {
    const TGradeSums sums = SumGrades(counters);
    for (int code = 0; code < kMarkKinds; ++code) ShowCount(*labels.Kinds[code], counters[code]);
    for (int grade = 0; grade < 6; ++grade) ShowCount(*labels.Grades[grade], sums.Grades[grade]);
    ShowCount(*labels.All, sums.All);
}
