// Load and save of a stress document (100 subjects of 100 marks, ten years of diary with five
// events a day), each beside a baseline that only reads or writes the same bytes. After the
// runs the ratio of each pair is printed: what the model costs over the file itself. Then the
// loads of documents at the limits the loader takes (all marks, a million events, the longest
// texts), each with its cost per mark, event or character and its ratio to the bare read.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "core/DataFile.h"
#include "core/DocumentLimits.h"
#include "platform/Dates.h"
#include "platform/Files.h"

namespace {

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
// close(), rename() over the target and fsync() of the folder, without which the rename is
// not yet on disk.
void BM_SaveBaseline(benchmark::State& state) {
    StressFiles& files = Files();
    const std::string temporary = (files.folder / "baseline.tmp").string();
    const int folder = ::open(files.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (auto _ : state) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const bool ok = fd >= 0 && WriteAll(fd, files.bytes.data(), files.bytes.size()) &&
                        ::fsync(fd) == 0 && ::close(fd) == 0 &&
                        ::rename(temporary.c_str(), files.target.c_str()) == 0 &&
                        ::fsync(folder) == 0;
        if (!ok) state.SkipWithError("write failed");
    }
    ::close(folder);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(files.bytes.size()));
}
BENCHMARK(BM_SaveBaseline)->Unit(benchmark::kMillisecond)->Apply(Repeated);

// A document saved into the stress files' folder once, with the number of the things it holds.
struct LimitFile {
    std::string path;
    std::size_t bytes = 0;
    std::int64_t items = 0;
};

LimitFile SaveLimitFile(const std::string& name, TDataFile& document, std::int64_t items) {
    LimitFile file{(Files().folder / name).string(), 0, items};
    std::vector<std::uint8_t> bytes;
    if (document.SaveToFile(file.path) != 0 || !platform::ReadWholeFile(file.path, bytes))
        std::abort();
    file.bytes = bytes.size();
    return file;
}

// Every mark the loader takes, 10,000 in each of 100 subjects.
const LimitFile& MarksFile() {
    static const LimitFile file = [] {
        TDataFile document;
        constexpr int kSubjects = 100;
        for (int s = 0; s < kSubjects; ++s) {
            auto* subject = new TSubject;
            for (std::uint32_t m = 0; m < kMostMarks / kSubjects; ++m)
                subject->Marks.AddMark(static_cast<TMarkKind>(m % kMarkKinds));
            document.Subjects.Add(subject);
        }
        return SaveLimitFile("marks.ocn", document, kMostMarks);
    }();
    return file;
}

// A million events, a hundred a day.
const LimitFile& EventsFile() {
    static const LimitFile file = [] {
        TDataFile document;
        constexpr int kEvents = 1000000, kPerDay = 100;
        const TDateTime first = platform::EncodeDate(2000, 9, 1);
        for (int e = 0; e < kEvents; ++e) {
            int year = 0, month = 0, day = 0;
            platform::DecodeDate(first + e / kPerDay, year, month, day);
            document.Calendar.AddEvent(day, month, year,
                                       new TClEvent{"Temat", "Opis", 0, 0, "Kartkówka"});
        }
        return SaveLimitFile("events.ocn", document, kEvents);
    }();
    return file;
}

// The six pupil texts and the six lesson-plan days, each of the longest length.
const LimitFile& TextsFile() {
    static const LimitFile file = [] {
        TDataFile document;
        // Polish letters take two bytes in memory for the code page's one.
        std::string longest;
        for (std::uint32_t i = 0; i < kLongestText / 5; ++i) longest += "żółw ";
        longest.append(kLongestText % 5, 'z');
        TStudent& pupil = document.Student;
        for (std::string* text : {&pupil.Name, &pupil.Surname, &pupil.Comment, &pupil.SchoolType,
                                  &pupil.SchoolName, &pupil.Term})
            *text = longest;
        for (std::string& day : document.LessonPlan.Days) day = longest;
        return SaveLimitFile("texts.ocn", document, 12 * std::int64_t{kLongestText});
    }();
    return file;
}

// The load, with its time per thing held ("per_item", in seconds).
void LoadLimitFile(benchmark::State& state, const LimitFile& file) {
    for (auto _ : state) {
        auto document = std::make_unique<TDataFile>();
        if (document->LoadFromFile(file.path) != 0) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document->Subjects.Count);
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.counters["per_item"] = benchmark::Counter(
        static_cast<double>(file.items),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A bare read of the same file.
void ReadLimitFile(benchmark::State& state, const LimitFile& file) {
    for (auto _ : state) {
        const int fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
        const std::unique_ptr<std::uint8_t[]> bytes(new std::uint8_t[file.bytes]);
        if (fd < 0 || ReadAll(fd, bytes.get(), file.bytes) != file.bytes)
            state.SkipWithError("read failed");
        ::close(fd);
        benchmark::DoNotOptimize(bytes.get());
    }
}

void BM_LoadMarks(benchmark::State& state) {
    LoadLimitFile(state, MarksFile());
}
void BM_ReadMarks(benchmark::State& state) {
    ReadLimitFile(state, MarksFile());
}
void BM_LoadEvents(benchmark::State& state) {
    LoadLimitFile(state, EventsFile());
}
void BM_ReadEvents(benchmark::State& state) {
    ReadLimitFile(state, EventsFile());
}
void BM_LoadTexts(benchmark::State& state) {
    LoadLimitFile(state, TextsFile());
}
void BM_ReadTexts(benchmark::State& state) {
    ReadLimitFile(state, TextsFile());
}
BENCHMARK(BM_LoadMarks)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_ReadMarks)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_LoadEvents)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_ReadEvents)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_LoadTexts)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_ReadTexts)->Unit(benchmark::kMillisecond)->Apply(Repeated);

}  // namespace

int main(int argc, char** argv) {
    // Each operation's repetitions take turns with its baseline's: a disk's flushes vary from
    // one moment to the next on a shared machine, and both are to meet the same disk. An
    // argument given overrides it.
    std::vector<char*> arguments(argv, argv + argc);
    char interleaved[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleaved);
    argc = static_cast<int>(arguments.size());
    argv = arguments.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::printf("stress document: %zu bytes, %d subjects of %d marks, %d events\n",
                Files().bytes.size(), kStressSubjects, kStressMarksPerSubject,
                kStressDiaryDays * kStressEventsPerDay);
    RatioReporter reporter({{"load", "BM_LoadDocument", "BM_LoadBaseline"},
                            {"save", "BM_SaveDocument", "BM_SaveBaseline"},
                            {"marks", "BM_LoadMarks", "BM_ReadMarks"},
                            {"events", "BM_LoadEvents", "BM_ReadEvents"},
                            {"texts", "BM_LoadTexts", "BM_ReadTexts"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
