#pragma once

#include <cmath>

#include "core/DataFile.h"
#include "tests/support/DocumentBuilder.h"

namespace report_testing {

using testing_support::AddSubject;

// Mark codes by symbol, so that the documents read like the marks they hold.
inline constexpr char k1 = 0, k2 = 3, k2plus = 5, k3 = 6, k3minus = 7, k4 = 9, k4plus = 11, k5 = 12,
                      k5plus = 14, k6 = 15, k6minus = 16;

// A document as New makes it: default mark values, the alarm threshold 2.0.
struct ReportDocument : TDataFile {
    ReportDocument() { testing_support::MakeNew(*this); }
};

// A hand-made document in which a 4 is worth NaN, under the alarm threshold `threshold`:
// "Historia", compulsory, with a 4 and the final mark 4, and "Biologia", extra, with a 5.
struct NaNMarkDocument : ReportDocument {
    explicit NaNMarkDocument(double threshold) {
        Settings.MarksValues[k4] = std::nan("");
        Settings.AlarmThreshold = threshold;
        AddSubject(*this, "Historia", {k4}, 1, k4);
        AddSubject(*this, "Biologia", {k5}, 0);
    }
};

}  // namespace report_testing
