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
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "core/DataFile.h"
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

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::printf("stress document: %zu bytes, %d subjects of %d marks, %d events\n",
                Files().bytes.size(), kStressSubjects, kStressMarksPerSubject,
                kStressDiaryDays * kStressEventsPerDay);
    RatioReporter reporter({{"load", "BM_LoadDocument", "BM_LoadBaseline"},
                            {"save", "BM_SaveDocument", "BM_SaveBaseline"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
