// Load and save of a stress document (100 subjects of 100 marks, ten years of diary with five
// events a day), each beside a baseline that only reads or writes the same bytes. After the
// runs the ratio of each pair is printed: what the model costs over the file itself.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/DataFile.h"
#include "platform/Dates.h"
#include "platform/Files.h"

namespace {

constexpr int kSubjects = 100;
constexpr int kMarksPerSubject = 100;
constexpr int kDiaryDays = 3652;  // ten years from 1 September 2000
constexpr int kEventsPerDay = 5;

void FillStressDocument(TDataFile& document) {
    document.Student.Name = "Zofia";
    document.Student.Surname = "Wąsowicz-Łęcka";
    document.Student.SchoolName = "Liceum Ogólnokształcące nr 1";
    for (std::string& day : document.LessonPlan.Days)
        day = "Matematyka\r\nJęzyk polski\r\nFizyka\r\nHistoria\r\nWychowanie fizyczne";
    SetDefaultMarksValues(document.Settings.MarksValues);
    SetDefaultTimeTableColors(document.Settings.TimeTableColors);
    for (int s = 0; s < kSubjects; ++s) {
        auto* subject = new TSubject;
        subject->Name = "Przedmiot " + std::to_string(s);
        subject->Teacher = "mgr Żaneta Kowalczyk";
        subject->Comment = "Uwagi do przedmiotu\r\ndruga linia";
        subject->InAverage = s % 3 != 0;
        subject->FinalMark = s % 2 == 0 ? kNoFinalMark : s % kMarkKinds;
        for (int m = 0; m < kMarksPerSubject; ++m)
            subject->Marks.Add(new char(static_cast<char>((s + m) % kMarkKinds)));
        document.Subjects.Add(subject);
    }
    document.Calendar.AddCategory({"Kartkówka", 0xC0C0C0, 0xFF0000});
    document.Calendar.AddCategory({"Sprawdzian", 0xC0C0C0, 0x0000FF});
    const char* categories[] = {"Kartkówka", "Sprawdzian", "", "Zadanie domowe", "Kartkówka"};
    const TDateTime first = platform::EncodeDate(2000, 9, 1);
    for (int d = 0; d < kDiaryDays; ++d) {
        int year = 0, month = 0, day = 0;
        platform::DecodeDate(first + d, year, month, day);
        for (int e = 0; e < kEventsPerDay; ++e)
            document.Calendar.AddEvent(
                day, month, year,
                new TClEvent{"Temat " + std::to_string(e), "Rozdział 3.\r\nZadania 1–5", 0, 0,
                             categories[e]});
    }
}

// The stress document, saved once into a temporary folder.
struct StressFiles {
    StressFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quirvale-bench-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder = pattern;
        source = (folder / "stress.ocn").string();
        target = (folder / "written.ocn").string();
        FillStressDocument(document);
        if (document.SaveToFile(source) != 0 || !platform::ReadWholeFile(source, bytes))
            std::abort();
    }
    ~StressFiles() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string source, target;
    TDataFile document;
    std::vector<std::uint8_t> bytes;
};

StressFiles& Files() {
    static StressFiles files;
    return files;
}

// The machine may be shared: each run is repeated and its median compared.
void Repeated(benchmark::internal::Benchmark* benchmark) {
    benchmark->Repetitions(5)->ReportAggregatesOnly(true);
}

void BM_LoadDocument(benchmark::State& state) {
    StressFiles& files = Files();
    for (auto _ : state) {
        auto document = std::make_unique<TDataFile>();
        if (document->LoadFromFile(files.source) != 0) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document->Calendar.Count());
        // Freeing the tree is not part of loading.
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(files.bytes.size()));
}
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond)->Apply(Repeated);

// read() until `size` bytes are in or the file ends; the number read.
std::size_t ReadAll(int fd, std::uint8_t* at, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, at + done, size - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool WriteAll(int fd, const std::uint8_t* at, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, at, size);
        if (n <= 0) return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A bare read(): the file's size, one buffer of it, the bytes read into it.
void BM_LoadBaseline(benchmark::State& state) {
    StressFiles& files = Files();
    for (auto _ : state) {
        const int fd = ::open(files.source.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat status {};
        if (fd < 0 || ::fstat(fd, &status) != 0) state.SkipWithError("open failed");
        const auto size = static_cast<std::size_t>(status.st_size);
        const std::unique_ptr<std::uint8_t[]> bytes(new std::uint8_t[size]);
        if (ReadAll(fd, bytes.get(), size) != files.bytes.size())
            state.SkipWithError("read failed");
        ::close(fd);
        benchmark::DoNotOptimize(bytes.get());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(files.bytes.size()));
}
BENCHMARK(BM_LoadBaseline)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_SaveDocument(benchmark::State& state) {
    StressFiles& files = Files();
    for (auto _ : state)
        if (files.document.SaveToFile(files.target) != 0) state.SkipWithError("save failed");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(files.bytes.size()));
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->Apply(Repeated);

// A bare durable write of the same bytes: a new file in the same folder, write(), fsync(),
// close() and rename() over the target.
void BM_SaveBaseline(benchmark::State& state) {
    StressFiles& files = Files();
    const std::string temporary = (files.folder / "baseline.tmp").string();
    for (auto _ : state) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const bool ok = fd >= 0 && WriteAll(fd, files.bytes.data(), files.bytes.size()) &&
                        ::fsync(fd) == 0 && ::close(fd) == 0 &&
                        ::rename(temporary.c_str(), files.target.c_str()) == 0;
        if (!ok) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(files.bytes.size()));
}
BENCHMARK(BM_SaveBaseline)->Unit(benchmark::kMillisecond)->Apply(Repeated);

// The console output, followed by each operation's median time over its baseline's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    // Colour only on a terminal; a redirected report stays plain text.
    RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
                !run.error_occurred)
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        PrintRatio("load", "BM_LoadDocument", "BM_LoadBaseline");
        PrintRatio("save", "BM_SaveDocument", "BM_SaveBaseline");
        ConsoleReporter::Finalize();
    }

  private:
    void PrintRatio(const char* what, const std::string& operation, const std::string& baseline) {
        const auto op = times_.find(operation);
        const auto base = times_.find(baseline);
        if (op == times_.end() || base == times_.end() || base->second <= 0) return;
        GetOutputStream() << what << ": " << op->second << " ms, baseline " << base->second
                          << " ms, ratio " << op->second / base->second << "\n";
    }

    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::printf("stress document: %zu bytes, %d subjects of %d marks, %d events\n",
                Files().bytes.size(), kSubjects, kMarksPerSubject, kDiaryDays * kEventsPerDay);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
