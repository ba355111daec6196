#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A process started from a program name looked up on PATH, with extra environment settings
// ("NAME=value") over the test's own. It is ended (SIGTERM, then SIGKILL) and reaped when the
// object goes, unless it ended before.
class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // False, with the reason in `why`, when the program cannot be started. `keepOpen` is a
    // descriptor the child inherits (-1 for none).
    bool Start(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
               std::string& why, int keepOpen = -1);
    pid_t Pid() const { return pid_; }
    bool Running();
    // The exit status as waitpid(2) gives it, once the process ended within `timeout`.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
    void Stop();

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// A virtual X server (Xvfb) on a display no other run uses, with the openbox window manager
// managing it: windows get title bars and frames as on a user's desktop.
class VirtualDesktop {
  public:
    VirtualDesktop() = default;
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    // Empty once the server runs and openbox manages it; otherwise why not.
    std::string Start();
    // The DISPLAY value of the server, ":N".
    const std::string& Display() const { return display_; }

    // The top-level window the process `pid` shows, once the window manager has framed and
    // mapped it within `timeout`; XCB_WINDOW_NONE when none was.
    xcb_window_t WaitForWindowOf(pid_t pid, std::chrono::milliseconds timeout);
    // The top-left corner of the window manager's frame around `window`, on the screen.
    std::optional<std::pair<int, int>> FrameCorner(xcb_window_t window);
    // The frame's left, right, top and bottom widths as the window manager announces them.
    std::vector<std::uint32_t> FrameExtents(xcb_window_t window);
    // Asks the window manager to close `window`, as its title bar's close button does.
    void RequestClose(xcb_window_t window);

  private:
    xcb_atom_t Atom(const char* name);
    std::vector<std::uint32_t> Cardinals(xcb_window_t window, const char* property,
                                         xcb_atom_t type);
    bool WindowManagerRuns();

    ChildProcess server_;
    ChildProcess windowManager_;
    std::string display_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
};

}  // namespace testing_support
