#pragma once

#include <array>
#include <cstdint>

#include "core/Marks.h"

class QLabel;

// The six grades' sums of the per-kind counts ("1", "1-" and "1+" make grade 1; "6" and "6-"
// grade 6) and the count of all marks.
struct TGradeSums {
    std::array<std::int32_t, 6> Grades{};
    std::int32_t All = 0;
};

TGradeSums SumGrades(const TMarkCounters& counters);

// The labels the statistics windows show the counts in: one per mark kind in code order, one
// per grade, and the total.
struct TMarkCountLabels {
    std::array<QLabel*, kMarkKinds> Kinds;
    std::array<QLabel*, 6> Grades;
    QLabel* All;
};

// A count as the windows show it: its decimal integer text and nothing else.
void ShowCount(QLabel& label, std::int32_t count);
void ShowMarkCounts(const TMarkCounters& counters, const TMarkCountLabels& labels);

// Both statistics windows name their labels alike.
template <class Layout>
TMarkCountLabels MarkCountLabels(Layout& ui) {
    return {{ui.lbl_1, ui.lbl_1m, ui.lbl_1p, ui.lbl_2, ui.lbl_2m, ui.lbl_2p, ui.lbl_3, ui.lbl_3m,
             ui.lbl_3p, ui.lbl_4, ui.lbl_4m, ui.lbl_4p, ui.lbl_5, ui.lbl_5m, ui.lbl_5p, ui.lbl_6,
             ui.lbl_6m},
            {ui.All_1, ui.All_2, ui.All_3, ui.All_4, ui.All_5, ui.All_6},
            ui.AllMarks};
}
