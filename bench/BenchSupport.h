#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "core/DataFile.h"

// What the benchmarks share: the stress document and a report of each operation's time over
// its baseline's, measured in the same run.

inline constexpr int kStressSubjects = 100;
inline constexpr int kStressMarksPerSubject = 100;
inline constexpr int kStressDiaryDays = 3652;  // ten years from 1 September 2000
inline constexpr int kStressEventsPerDay = 5;

// The machine may be shared: each benchmark is repeated and its median compared.
void Repeated(benchmark::internal::Benchmark* benchmark);

// 100 subjects of 100 marks and ten years of diary with five events a day.
void FillStressDocument(TDataFile& document);

// The console output, followed by the median time of each operation over its baseline's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    struct Pair {
        std::string what, operation, baseline;
    };
    explicit RatioReporter(std::vector<Pair> pairs);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  private:
    std::vector<Pair> pairs_;
    std::map<std::string, double> medians_;
};
