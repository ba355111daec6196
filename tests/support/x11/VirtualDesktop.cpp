#include "tests/support/x11/VirtualDesktop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

extern char** environ;

namespace testing_support {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPollStep(20);
constexpr std::chrono::seconds kStartTimeout(20);

// The test's environment with each of `settings` ("NAME=value") put over its own.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& settings) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string line(*entry);
        const std::string name = line.substr(0, line.find('=') + 1);
        bool replaced = false;
        for (const std::string& setting : settings)
            replaced = replaced || setting.compare(0, name.size(), name) == 0;
        if (!replaced) result.push_back(line);
    }
    result.insert(result.end(), settings.begin(), settings.end());
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The digits the X server writes to its -displayfd descriptor, or "" when it wrote none
// (it could not start) within the time given.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    const auto deadline = Clock::now() + kStartTimeout;
    while (Clock::now() < deadline) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(kPollStep.count())) <= 0) continue;
        char c = 0;
        if (::read(fd, &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    return number;
}

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

}  // namespace

ChildProcess::~ChildProcess() {
    Stop();
}

bool ChildProcess::Start(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment, std::string& why,
                         int keepOpen) {
    std::vector<std::string> arguments = argv;
    std::vector<std::string> variables = EnvironmentWith(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // A descriptor duplicated onto itself loses its close-on-exec flag in the child only.
    if (keepOpen >= 0) posix_spawn_file_actions_adddup2(&actions, keepOpen, keepOpen);
    const int error = ::posix_spawnp(&pid_, arguments.front().c_str(), &actions, nullptr,
                                     Pointers(arguments).data(), Pointers(variables).data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        pid_ = -1;
        why = arguments.front() + " cannot be started: " + std::strerror(error);
        return false;
    }
    status_.reset();
    return true;
}

bool ChildProcess::Running() {
    return pid_ > 0 && !WaitForExit(std::chrono::milliseconds(0)).has_value();
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (status_.has_value() || pid_ <= 0) return status_;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(pid_, &status, WNOHANG);
        if (ended == pid_ || (ended < 0 && errno != EINTR)) {
            status_ = status;
            return status_;
        }
        if (Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(kPollStep);
    }
}

void ChildProcess::Stop() {
    if (!Running()) return;
    ::kill(pid_, SIGTERM);
    if (!WaitForExit(std::chrono::seconds(5)).has_value()) {
        ::kill(pid_, SIGKILL);
        WaitForExit(std::chrono::seconds(5));
    }
}

VirtualDesktop::~VirtualDesktop() {
    if (connection_ != nullptr) xcb_disconnect(connection_);
}

std::string VirtualDesktop::Start() {
    // The server picks a free display itself and names it on the pipe, so parallel runs
    // never meet on one display.
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) return "no pipe for the X server's display number";
    std::string why;
    const bool started = server_.Start({"Xvfb", "-displayfd", std::to_string(pipe[1]), "-screen",
                                        "0", "1280x1024x24", "-nolisten", "tcp"},
                                       {}, why, pipe[1]);
    ::close(pipe[1]);
    const std::string number = started ? ReadDisplayNumber(pipe[0]) : "";
    ::close(pipe[0]);
    if (!started) return why;
    if (number.empty()) return "Xvfb did not start a display";
    display_ = ":" + number;

    connection_ = xcb_connect(display_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_) != 0)
        return "cannot connect to the X server on " + display_;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

    if (!windowManager_.Start({"openbox", "--sm-disable"}, {"DISPLAY=" + display_}, why))
        return why;
    const auto deadline = Clock::now() + kStartTimeout;
    while (!WindowManagerRuns()) {
        if (!windowManager_.Running()) return "openbox ended without managing the display";
        if (Clock::now() >= deadline) return "openbox did not take over the display in time";
        std::this_thread::sleep_for(kPollStep);
    }
    return "";
}

xcb_atom_t VirtualDesktop::Atom(const char* name) {
    const auto reply = Owned(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> VirtualDesktop::Cardinals(xcb_window_t window, const char* property,
                                                     xcb_atom_t type) {
    const auto reply = Owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, Atom(property), type, 0, 1024),
        nullptr));
    if (!reply || reply->format != 32) return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

bool VirtualDesktop::WindowManagerRuns() {
    return !Cardinals(root_, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).empty();
}

xcb_window_t VirtualDesktop::WaitForWindowOf(pid_t pid, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    do {
        for (const xcb_window_t window : Cardinals(root_, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW)) {
            const std::vector<std::uint32_t> owner =
                Cardinals(window, "_NET_WM_PID", XCB_ATOM_CARDINAL);
            if (owner.empty() || owner.front() != static_cast<std::uint32_t>(pid)) continue;
            const auto attributes = Owned(xcb_get_window_attributes_reply(
                connection_, xcb_get_window_attributes(connection_, window), nullptr));
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
                FrameExtents(window).size() == 4)
                return window;
        }
        std::this_thread::sleep_for(kPollStep);
    } while (Clock::now() < deadline);
    return XCB_WINDOW_NONE;
}

std::optional<std::pair<int, int>> VirtualDesktop::FrameCorner(xcb_window_t window) {
    // The window manager puts each window it manages into a frame window of its own, a child
    // of the root window: the frame is the window's last ancestor below the root.
    for (;;) {
        const auto tree =
            Owned(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
        if (!tree) return std::nullopt;
        if (tree->parent == root_) break;
        window = tree->parent;
    }
    const auto geometry =
        Owned(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    if (!geometry) return std::nullopt;
    return std::pair<int, int>(geometry->x, geometry->y);
}

std::vector<std::uint32_t> VirtualDesktop::FrameExtents(xcb_window_t window) {
    return Cardinals(window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
}

void VirtualDesktop::RequestClose(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom("_NET_CLOSE_WINDOW");
    message.data.data32[0] = XCB_CURRENT_TIME;
    message.data.data32[1] = 2;  // asked for by the user through a pager or task bar
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

}  // namespace testing_support
