#include "bench/BenchSupport.h"

#include <unistd.h>

#include "platform/Dates.h"

void Repeated(benchmark::internal::Benchmark* benchmark) {
    benchmark->Repetitions(5)->ReportAggregatesOnly(true);
}

void FillStressDocument(TDataFile& document) {
    document.Student.Name = "Zofia";
    document.Student.Surname = "Wąsowicz-Łęcka";
    document.Student.SchoolName = "Liceum Ogólnokształcące nr 1";
    for (std::string& day : document.LessonPlan.Days)
        day = "Matematyka\r\nJęzyk polski\r\nFizyka\r\nHistoria\r\nWychowanie fizyczne";
    SetDefaultMarksValues(document.Settings.MarksValues);
    SetDefaultTimeTableColors(document.Settings.TimeTableColors);
    for (int s = 0; s < kStressSubjects; ++s) {
        auto* subject = new TSubject;
        subject->Name = "Przedmiot " + std::to_string(s);
        subject->Teacher = "mgr Żaneta Kowalczyk";
        subject->Comment = "Uwagi do przedmiotu\r\ndruga linia";
        subject->InAverage = s % 3 != 0;
        subject->FinalMark = s % 2 == 0 ? kNoFinalMark : s % kMarkKinds;
        for (int m = 0; m < kStressMarksPerSubject; ++m)
            subject->Marks.AddMark(static_cast<TMarkKind>((s + m) % kMarkKinds));
        document.Subjects.Add(subject);
    }
    document.Calendar.AddCategory({"Kartkówka", 0xC0C0C0, 0xFF0000});
    document.Calendar.AddCategory({"Sprawdzian", 0xC0C0C0, 0x0000FF});
    const char* categories[] = {"Kartkówka", "Sprawdzian", "", "Zadanie domowe", "Kartkówka"};
    const TDateTime first = platform::EncodeDate(2000, 9, 1);
    for (int d = 0; d < kStressDiaryDays; ++d) {
        int year = 0, month = 0, day = 0;
        platform::DecodeDate(first + d, year, month, day);
        for (int e = 0; e < kStressEventsPerDay; ++e)
            document.Calendar.AddEvent(
                day, month, year,
                new TClEvent{"Temat " + std::to_string(e), "Rozdział 3.\r\nZadania 1–5", 0, 0,
                             categories[e]});
    }
}

// Colour only on a terminal; a redirected report stays plain text.
RatioReporter::RatioReporter(std::vector<Pair> pairs)
    : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular),
      pairs_(std::move(pairs)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
            !run.error_occurred)
            medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize() {
    for (const Pair& pair : pairs_) {
        const auto op = medians_.find(pair.operation);
        const auto base = medians_.find(pair.baseline);
        if (op == medians_.end() || base == medians_.end() || base->second <= 0) continue;
        GetOutputStream() << pair.what << ": " << op->second << " ms, baseline " << base->second
                          << " ms, ratio " << op->second / base->second << "\n";
    }
    ConsoleReporter::Finalize();
}
