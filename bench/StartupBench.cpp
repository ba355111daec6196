// Start-up of the program with the stress document as its last file, beside the start-up of a
// bare Qt window that shows a label and a plain-text edit. Each start is a new process (this
// program run again with a start option), from loading the libraries to the first shown
// window, as a user starts the program. The bare window is given the main window's size, so
// that the two differ in what they hold and do, not in the pixels they paint.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/Application.h"
#include "app/Main.h"
#include "bench/BenchSupport.h"
#include "core/ProgramOptions.h"
#include "platform/Files.h"

namespace {

struct ProgramFolder {
    ProgramFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quirvale-start-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder = pattern;
        const std::string document = (folder / "stress.ocn").string();
        TDataFile stress;
        FillStressDocument(stress);
        TProgramOptions options;
        options.OpenLastFile = 1;
        options.LastFile = document;
        if (stress.SaveToFile(document) != 0 ||
            options.SaveToFile((folder / "settings.dat").string()) != 0)
            std::abort();
    }
    ~ProgramFolder() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

ProgramFolder& Folder() {
    static ProgramFolder folder;
    return folder;
}

constexpr char kBareOption[] = "--start-bare-window";
constexpr char kProgramOption[] = "--start-program";

// Starts this program again with the option and waits for it to end.
void StartProcess(benchmark::State& state, const char* option, const std::string& folder) {
    char self[] = "/proc/self/exe";
    std::string optionText = option, folderText = folder;
    char* argv[] = {self, optionText.data(), folderText.data(), nullptr};
    pid_t child = 0;
    int status = 0;
    if (::posix_spawn(&child, self, nullptr, nullptr, argv, environ) != 0 ||
        ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError("the start-up did not finish");
}

// The main window's size as "WxH", from a window made once in this process.
std::string MainWindowSize() {
    int argc = 1;
    char name[] = "quirvale2";
    char* argv[] = {name, nullptr};
    Application app(argc, argv);
    platform::SetProgramDirectory(Folder().folder.string() + "/");
    TMainForm window;
    window.show();
    QCoreApplication::processEvents();
    return std::to_string(window.width()) + "x" + std::to_string(window.height());
}

void BM_BareWindowStartup(benchmark::State& state) {
    static const std::string size = MainWindowSize();
    for (auto _ : state) StartProcess(state, kBareOption, size);
}
BENCHMARK(BM_BareWindowStartup)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_ProgramStartup(benchmark::State& state) {
    const std::string folder = Folder().folder.string() + "/";
    for (auto _ : state) StartProcess(state, kProgramOption, folder);
}
BENCHMARK(BM_ProgramStartup)->Unit(benchmark::kMillisecond)->Apply(Repeated);

// The started process: the application object, the window shown and laid out, then the end.
// The folder is the program's folder, or for the bare window its size ("WxH").
int RunStart(const char* option, const char* folder) {
    int argc = 1;
    char name[] = "quirvale2";
    char* argv[] = {name, nullptr};
    Application app(argc, argv);
    if (std::strcmp(option, kProgramOption) == 0) {
        platform::SetProgramDirectory(folder);
        TMainForm window;
        window.show();
        QCoreApplication::processEvents();
    } else {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel("Quirvale 2"));
        layout->addWidget(new QPlainTextEdit);
        const std::string_view size = folder;
        const std::size_t x = size.find('x');
        int width = 0, height = 0;
        std::from_chars(size.data(), size.data() + x, width);
        std::from_chars(size.data() + x + 1, size.data() + size.size(), height);
        window.resize(width, height);
        window.show();
        QCoreApplication::processEvents();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (argc == 3 &&
        (std::strcmp(argv[1], kBareOption) == 0 || std::strcmp(argv[1], kProgramOption) == 0))
        return RunStart(argv[1], argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Folder();
    RatioReporter reporter({{"start-up", "BM_ProgramStartup", "BM_BareWindowStartup"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
