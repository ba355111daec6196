#pragma once

#include <initializer_list>
#include <string>

#include "core/DataFile.h"

namespace report_testing {

// Mark codes by symbol, so that the documents read like the marks they hold.
inline constexpr int k1 = 0, k2 = 3, k2plus = 5, k3 = 6, k3minus = 7, k4 = 9, k4plus = 11, k5 = 12,
                     k5plus = 14, k6 = 15, k6minus = 16;

inline TSubject& AddSubject(TDataFile& document, const std::string& name,
                            std::initializer_list<int> marks, std::uint8_t inAverage = 1,
                            std::int32_t finalMark = kNoFinalMark) {
    auto* subject = new TSubject;
    subject->Name = name;
    subject->InAverage = inAverage;
    subject->FinalMark = finalMark;
    for (const int code : marks) subject->Marks.Add(new char(static_cast<char>(code)));
    document.Subjects.Add(subject);
    return *subject;
}

// A document with the default mark values and the threshold 2.0, as a new document has.
struct ReportDocument : TDataFile {
    ReportDocument() {
        SetDefaultMarksValues(Settings.MarksValues);
        Settings.AlarmThreshold = 2.0;
    }
};

}  // namespace report_testing
