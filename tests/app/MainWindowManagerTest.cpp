// The program itself on a virtual X server whose window manager (openbox) frames its windows with
// title bars, as a user's desktop does: what only such frames show is tested here.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>

#include "core/ProgramOptions.h"
#include "tests/support/Environment.h"
#include "tests/support/x11/VirtualDesktop.h"

namespace {

using Corner = std::pair<int, int>;

// A sanitizer build starts slowly; nothing here waits longer than a window takes to show.
constexpr std::chrono::seconds kWindowTimeout(60);

class MainWindowUnderWindowManager : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string why = desktop.Start();
        if (!why.empty()) GTEST_SKIP() << "No X server with a window manager to test on: " << why;
        // A copy of the program in a folder of its own, as its settings file lives beside it.
        std::filesystem::copy_file(QV_PROGRAM_FILE, program);
    }

    std::string SettingsPath() const { return programDir.File("settings.dat"); }

    void WriteSettings(int left, int top) {
        TProgramOptions options;
        options.Left = left;
        options.Top = top;
        ASSERT_EQ(0, options.SaveToFile(SettingsPath()));
    }

    Corner StoredCorner() {
        TProgramOptions options;
        EXPECT_EQ(0, options.LoadFromFile(SettingsPath()));
        return {options.Left, options.Top};
    }

    // Starts the program, waits for its main window to be shown in its frame and closes it by
    // the window manager, as the title bar's close button does. The frame's corner while shown.
    Corner StartAndClose() {
        testing_support::ChildProcess run;
        std::string why;
        const std::vector<std::string> environment = {
            "DISPLAY=" + desktop.Display(), "QT_QPA_PLATFORM=xcb",
            std::string("LSAN_OPTIONS=print_suppressions=0:suppressions=") + QV_LSAN_SUPPRESSIONS};
        if (!run.Start({program}, environment, why)) {
            ADD_FAILURE() << why;
            return {};
        }
        const xcb_window_t window = desktop.WaitForWindowOf(run.Pid(), kWindowTimeout);
        if (window == XCB_WINDOW_NONE) {
            ADD_FAILURE() << "the main window was not shown";
            return {};
        }
        const std::vector<std::uint32_t> extents = desktop.FrameExtents(window);
        EXPECT_GT(extents.at(2), 0u) << "a title bar above the window";
        const Corner shown = desktop.FrameCorner(window).value_or(Corner(-1, -1));

        desktop.RequestClose(window);
        const std::optional<int> status = run.WaitForExit(kWindowTimeout);
        EXPECT_TRUE(status.has_value()) << "the program did not end when its window was closed";
        if (status.has_value()) {
            EXPECT_TRUE(WIFEXITED(*status));
            EXPECT_EQ(0, WEXITSTATUS(*status));
        }
        return shown;
    }

    testing_support::TempDir programDir;
    const std::string program = programDir.File("quirvale2");
    testing_support::VirtualDesktop desktop;
};

TEST_F(MainWindowUnderWindowManager, OpensWhereItWasClosedStartAfterStart) {
    WriteSettings(300, 200);
    for (int start = 1; start <= 4; ++start) {
        EXPECT_EQ(Corner(300, 200), StartAndClose()) << "start " << start;
        EXPECT_EQ(Corner(300, 200), StoredCorner()) << "stored after start " << start;
    }
}

TEST_F(MainWindowUnderWindowManager, TheFirstStartsPlaceIsKeptByTheNext) {
    const Corner first = StartAndClose();
    EXPECT_EQ(first, StoredCorner());
    for (int start = 2; start <= 3; ++start) {
        EXPECT_EQ(first, StartAndClose()) << "start " << start;
        EXPECT_EQ(first, StoredCorner()) << "stored after start " << start;
    }
}

}  // namespace
