#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <limits>
#include <new>
#include <optional>
#include <set>
#include <string_view>

#include "platform/Backups.h"
#include "platform/FileSteps.h"
#include "platform/InPlaceRewrite.h"
#include "platform/LinkRule.h"

namespace platform {
namespace {

using files::Calls;

std::string& ProgramDirectoryOverride() {
    static std::string directory;
    return directory;
}

// Where the system does not tell the umask (no /proc, or a kernel older than 4.7): the one the
// program started with, learned before any thread could make a file.
const mode_t kUmaskAtStart = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}();

// The umask, read without setting it: setting it, even back at once, would give a file that
// another thread (Qt has several) makes meanwhile the wrong mode.
mode_t CurrentUmask() {
    std::vector<std::uint8_t> status;
    if (!ReadWholeFile("/proc/self/status", status)) return kUmaskAtStart;
    const std::string_view text(reinterpret_cast<const char*>(status.data()), status.size());
    constexpr std::string_view kField = "\nUmask:\t";
    const std::size_t field = text.find(kField);
    if (field == std::string_view::npos) return kUmaskAtStart;
    const char* digits = text.data() + field + kField.size();
    unsigned mask = 0;
    const auto [stop, error] = std::from_chars(digits, text.data() + text.size(), mask, 8);
    if (error != std::errc() || stop == digits || mask > 0777) return kUmaskAtStart;
    return static_cast<mode_t>(mask);
}

mode_t NewFileMode() {
    return 0666 & ~CurrentUmask();
}

// The number of a name part in plain decimal digits (no sign, no leading zero); nothing for
// anything else.
std::optional<long> PlainNumber(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text.front() == '0')) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// The process that named a temporary file so; nothing for a name no save of ours makes.
std::optional<pid_t> TemporaryOwner(std::string_view name) {
    if (!name.starts_with(files::kTemporaryPrefix)) return std::nullopt;
    name.remove_prefix(files::kTemporaryPrefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::optional<long> pid = PlainNumber(name.substr(0, dash));
    const std::optional<long> attempt = PlainNumber(name.substr(dash + 1));
    if (!pid || !attempt || *pid <= 0 || *pid > std::numeric_limits<pid_t>::max() ||
        *attempt >= files::kTemporaryAttempts)
        return std::nullopt;
    return static_cast<pid_t>(*pid);
}

bool ProcessRuns(pid_t pid) {
    // Another user's process may not be signalled, but it runs.
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// True for what a save of this user's may have left: a plain file of the user's with no
// other name. A folder, a link or another user's file named so is not the save's to remove.
bool IsOwnPlainFile(int folder, const char* name) {
    struct stat info {};
    return ::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
           info.st_nlink == 1 && info.st_uid == ::geteuid();
}

// Removes the temporary files of this user's saves killed between naming their file and the
// rename, once a run for each folder: a save leaves one only when killed in the moment between
// two calls, and reading a large folder at every save would cost more than a save. A running
// process's file may belong to a save under way and stays.
void RemoveLeftovers(const std::string& folder) {
    static std::set<std::string> cleared;
    if (!cleared.insert(folder).second) return;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return;
    std::vector<std::string> left;
    while (const dirent* entry = ::readdir(listing)) {
        const std::optional<pid_t> owner = TemporaryOwner(entry->d_name);
        if (owner && !ProcessRuns(*owner) && IsOwnPlainFile(::dirfd(listing), entry->d_name))
            left.emplace_back(entry->d_name);
    }
    for (const std::string& name : left) ::unlinkat(::dirfd(listing), name.c_str(), 0);
    ::closedir(listing);
}

// Opens a file for reading after the checks every read makes; -1 when it cannot be opened,
// is no regular file or is larger than kLargestReadableFile. Plain descriptors rather than a
// stream: a stream's buffer throws on a read error where a failed load is wanted.
int OpenForReading(const std::string& path, std::size_t& size) {
    std::uint64_t whole = 0;
    const int fd = files::OpenRegularForReading(path, whole);
    if (fd < 0) return -1;
    if (whole > kLargestReadableFile) {
        ::close(fd);
        return -1;
    }
    size = static_cast<std::size_t>(whole);
    return fd;
}

// Writes at the end of an open file, failing where the file would grow past `largest` bytes.
class DescriptorSink final : public ByteSink {
  public:
    DescriptorSink(int fd, std::uint64_t largest) : fd_(fd), largest_(largest) {}
    bool Write(const std::uint8_t* data, std::size_t size) override {
        if (size > largest_ - offset_ ||
            !files::WriteAllAt(fd_, data, size, static_cast<std::int64_t>(offset_)))
            return false;
        offset_ += size;
        return true;
    }

  private:
    int fd_;
    std::uint64_t largest_;
    std::uint64_t offset_ = 0;
};

// Keeps what a writer gives it in memory, failing past `largest` bytes.
class CappedVectorSink final : public ByteSink {
  public:
    explicit CappedVectorSink(std::uint64_t largest) : largest_(largest) {}
    bool Write(const std::uint8_t* data, std::size_t size) override {
        if (size > largest_ - bytes.size()) return false;
        bytes.insert(bytes.end(), data, data + size);
        return true;
    }
    std::vector<std::uint8_t> bytes;

  private:
    std::uint64_t largest_;
};

// Rewrites the file in place (platform/InPlaceRewrite.h) with the bytes `write` gives, made
// in memory first: the old file is changed only once they are all there.
bool RewriteWith(const std::string& target, const std::function<void(ByteWriter&)>& write,
                 std::uint64_t largest) {
    try {
        CappedVectorSink sink(largest);
        ByteWriter writer(sink);
        write(writer);
        return !writer.Failed() && RewriteInPlace(target, sink.bytes);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// True when the new file `fd` has the owner and group of the file it is to replace (`old`),
// or was given them. A folder's set-group-ID bit may have given it another group than the
// user's.
bool KeepsOwnerAndGroup(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) return false;
    return (made.st_uid == old.st_uid && made.st_gid == old.st_gid) ||
           ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::size_t size = 0;
    const int fd = OpenForReading(path, size);
    if (fd < 0) return false;
    const bool ok = files::ReadToEnd(fd, size, bytes);
    ::close(fd);
    return ok;
}

FileSource::~FileSource() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileSource::Open(const std::string& path) {
    if (fd_ >= 0) ::close(fd_);
    failed_ = false;
    size_ = 0;
    fd_ = OpenForReading(path, size_);
    return fd_ >= 0;
}

std::ptrdiff_t FileSource::Read(std::uint8_t* into, std::size_t size) {
    for (;;) {
        const ssize_t n = fd_ < 0 ? -1 : ::read(fd_, into, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed_ = true;
        return n;
    }
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool SaveFileAtomically(const std::string& path, const std::function<void(ByteWriter&)>& write,
                        std::uint64_t largest) {
    const std::optional<std::string> resolved = ResolveForWriting(path);
    if (!resolved) return false;
    const std::string& target = *resolved;
    struct stat existing {};
    const bool exists = ::lstat(target.c_str(), &existing) == 0;
    if (exists) {
        if (!S_ISREG(existing.st_mode)) return false;
        // Replacing goes by the folder's permissions, but a file the user may not write is
        // not the user's to change.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
    }
    const std::string folder = files::FolderOf(target);
    // A new file under the name would leave the file's other names with the old bytes.
    if (exists && (existing.st_nlink > 1 ||
                   ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0))
        return RewriteWith(target, write, largest);
    RemoveLeftovers(folder);

    std::string temporary;
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    const bool unnamed = fd >= 0;
    if (!unnamed) {
        // A file system without unnamed files: a named one, removed on every failure.
        fd = files::CreateNamedTemporary(folder, temporary);
        if (fd < 0) return false;
    }
    // Another user's file taken over by the user's own would lock its owner out, and a
    // group that is not the file's would let others read it: it is rewritten instead.
    if (exists && !KeepsOwnerAndGroup(fd, existing)) {
        ::close(fd);
        if (!temporary.empty()) ::unlink(temporary.c_str());
        return RewriteWith(target, write, largest);
    }
    bool ok = false;
    try {
        DescriptorSink sink(fd, largest);
        ByteWriter writer(sink);
        write(writer);
        ok = !writer.Failed();
    } catch (const std::bad_alloc&) {
        // A failed save like any other: the old file stays, and so does the program.
    }
    ok = ok && ::fchmod(fd, exists ? existing.st_mode & 07777 : NewFileMode()) == 0 &&
         Calls().SyncFile(fd) == 0;
    if (ok && unnamed) {
        temporary = files::LinkUnnamed(fd, folder);
        ok = !temporary.empty();
    }
    ok = ::close(fd) == 0 && ok;
    const bool renamed = ok && Calls().Rename(temporary, target) == 0;
    // In a sticky folder (as /tmp) only the file's owner, or one who may act for anyone, may
    // rename over it.
    const bool refused = ok && !renamed && exists && (errno == EPERM || errno == EACCES);
    if (!renamed) {
        if (!temporary.empty()) ::unlink(temporary.c_str());
        return refused && RewriteWith(target, write, largest);
    }
    files::SyncFolder(folder);
    if (exists) RemoveBackups(target);
    return true;
}

std::string ExtractFilePath(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ProgramDirectory() {
    if (!ProgramDirectoryOverride().empty()) return ProgramDirectoryOverride();
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "./";
    return ExtractFilePath(std::string(buffer, static_cast<std::size_t>(n)));
}

void SetProgramDirectory(std::string directory) {
    if (!directory.empty() && directory.back() != '/') directory += '/';
    ProgramDirectoryOverride() = std::move(directory);
}

}  // namespace platform
