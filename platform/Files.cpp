#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <limits>
#include <new>
#include <optional>
#include <string_view>

namespace platform {
namespace {

// Temporary files are named ".quirvale-<pid>-<n>" with n below this.
constexpr int kTemporaryAttempts = 100;
constexpr std::string_view kTemporaryPrefix = ".quirvale-";

std::unique_ptr<FileCalls>& InstalledCalls() {
    static std::unique_ptr<FileCalls> calls = std::make_unique<FileCalls>();
    return calls;
}

FileCalls& Calls() {
    return *InstalledCalls();
}

// Writes every one of `size` bytes from `offset` on, again after a short or interrupted write.
bool WriteAllAt(int fd, const std::uint8_t* data, std::size_t size, std::int64_t offset) {
    while (size > 0) {
        const std::ptrdiff_t n = Calls().WriteAt(fd, data, size, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

class DescriptorSink final : public ByteSink {
  public:
    explicit DescriptorSink(int fd) : fd_(fd) {}
    bool Write(const std::uint8_t* data, std::size_t size) override {
        if (!WriteAllAt(fd_, data, size, offset_)) return false;
        offset_ += static_cast<std::int64_t>(size);
        return true;
    }

  private:
    int fd_;
    std::int64_t offset_ = 0;
};

std::string& ProgramDirectoryOverride() {
    static std::string directory;
    return directory;
}

// The file a chain of symbolic links ends at (the path itself when it is none); nothing for
// a loop.
std::optional<std::string> FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::array<char, PATH_MAX> link;
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return std::nullopt;
        const std::string next(link.data(), static_cast<std::size_t>(n));
        path = next.front() == '/' ? next : ExtractFilePath(path) + next;
    }
    return std::nullopt;
}

std::string FolderOf(const std::string& path) {
    const std::string folder = ExtractFilePath(path);
    return folder.empty() ? "." : folder;
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

std::string TemporaryName(const std::string& folder, int attempt) {
    return folder + "/" + std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(attempt);
}

// Gives the unnamed file a name beside its target; "" when that fails.
std::string LinkUnnamed(int fd, const std::string& folder) {
    const std::string source = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        const std::string name = TemporaryName(folder, attempt);
        if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return name;
        if (errno != EEXIST) break;
    }
    return "";
}

// Where a file system has no unnamed files: a new named one beside the target, named as an
// unnamed one would be, so that one left behind is recognised the same way; -1 when none
// can be made.
int CreateNamed(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        name = TemporaryName(folder, attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    name.clear();
    return -1;
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
    if (!name.starts_with(kTemporaryPrefix)) return std::nullopt;
    name.remove_prefix(kTemporaryPrefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::optional<long> pid = PlainNumber(name.substr(0, dash));
    const std::optional<long> attempt = PlainNumber(name.substr(dash + 1));
    if (!pid || !attempt || *pid <= 0 || *pid > std::numeric_limits<pid_t>::max() ||
        *attempt >= kTemporaryAttempts)
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
// rename. A running process's file may belong to a save under way and stays.
void RemoveLeftovers(const std::string& folder) {
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

// Flushes the folder so that the rename survives a crash. Where that fails the rename stands
// all the same: the name leads to the new file whatever the folder's flush gave.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    [[maybe_unused]] const int synced = Calls().SyncFolder(fd);
    ::close(fd);
}

// The size of an open file after the checks every read makes; nothing when it is not a
// regular file (a folder, a FIFO, a device) or is larger than kLargestReadableFile.
std::optional<std::size_t> ReadableSize(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uint64_t>(info.st_size) > kLargestReadableFile)
        return std::nullopt;
    return static_cast<std::size_t>(info.st_size);
}

// Opens a file for reading after the checks every read makes; -1 when it cannot be opened
// or ReadableSize refuses it. Plain descriptors rather than a stream: a stream's buffer
// throws on a read error (a directory at the path, say) where a failed load is wanted.
// O_NONBLOCK keeps the open of a FIFO without a writer from waiting forever; the type check
// then refuses it.
int OpenForReading(const std::string& path, std::size_t& size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return -1;
    const std::optional<std::size_t> readable = ReadableSize(fd);
    if (!readable) {
        ::close(fd);
        return -1;
    }
    size = *readable;
    return fd;
}

// Reads an open file from where it stands to its end, `size` bytes expected; false when a
// read fails, memory runs out or the file grows past kLargestReadableFile meanwhile.
bool ReadToEnd(int fd, std::size_t size, std::vector<std::uint8_t>& bytes) {
    bool ok = true;
    std::vector<std::uint8_t> content;
    try {
        // One byte more than allowed tells a file that grew past the limit while being read.
        content.resize(size + 1);
        std::size_t filled = 0;
        while (ok) {
            if (filled == content.size()) {
                if (content.size() > kLargestReadableFile) {
                    ok = false;
                    break;
                }
                content.resize(std::min<std::size_t>(content.size() * 2, kLargestReadableFile + 1));
            }
            const ssize_t n = ::read(fd, content.data() + filled, content.size() - filled);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            filled += static_cast<std::size_t>(n);
        }
        content.resize(filled);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (ok) bytes = std::move(content);
    return ok;
}

// The bytes `write` gives, in memory; false when the writer fails or memory runs out.
bool Render(const std::function<void(ByteWriter&)>& write, std::vector<std::uint8_t>& bytes) {
    try {
        VectorSink sink;
        ByteWriter writer(sink);
        write(writer);
        if (writer.Failed()) return false;
        bytes = std::move(sink.bytes);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Makes `bytes` the whole content of the open file and flushes it.
bool WriteWhole(int fd, const std::vector<std::uint8_t>& bytes) {
    return WriteAllAt(fd, bytes.data(), bytes.size(), 0) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && Calls().SyncFile(fd) == 0;
}

// The fallback where no file may be added to the folder: not atomic, but the user's file,
// and never left cut by a save that fails. Everything that can fail before an old byte
// changes comes first: the old bytes are read (to be put back), the new ones made, and room
// for them reserved, so that a full disk fails here with the file untouched.
bool RewriteInPlace(const std::string& target, const std::function<void(ByteWriter&)>& write) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    std::vector<std::uint8_t> old;
    std::vector<std::uint8_t> fresh;
    const std::optional<std::size_t> size = ReadableSize(fd);
    bool ok = size && ReadToEnd(fd, *size, old) && Render(write, fresh);
    // Reserving may have grown the file, with zeros, past its old bytes; they are cut off.
    if (ok && !fresh.empty() && Calls().Reserve(fd, static_cast<std::int64_t>(fresh.size())) != 0) {
        [[maybe_unused]] const int cut = ::ftruncate(fd, static_cast<off_t>(old.size()));
        ok = false;
    }
    if (ok && !WriteWhole(fd, fresh)) {
        // The room reserved for the new bytes holds the old ones too.
        WriteWhole(fd, old);
        ok = false;
    }
    // Flushed already: closing has nothing left to report about the file's bytes.
    ::close(fd);
    return ok;
}

// The most names KeepCopyBeside tries.
constexpr int kCopyNames = 99;

bool Exists(const std::string& name) {
    struct stat info {};
    return ::lstat(name.c_str(), &info) == 0;
}

// Makes a new file at `name` holding `bytes`, with the permission bits `mode`, flushed to
// disk before it gets the name; false, with nothing left at `name`, when anything is there
// already or the file cannot be made whole.
bool CreateNewFile(const std::string& name, const std::vector<std::uint8_t>& bytes, mode_t mode) {
    const std::string folder = FolderOf(name);
    std::string temporary;
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    // Without unnamed files: a temporary file as a save makes one, removed whatever happens.
    if (fd < 0) fd = CreateNamed(folder, temporary);
    if (fd < 0) return false;
    // Where the bits cannot be set the copy stays the user's alone, which serves as well.
    [[maybe_unused]] const int permitted = ::fchmod(fd, mode);
    bool ok = WriteAllAt(fd, bytes.data(), bytes.size(), 0) && Calls().SyncFile(fd) == 0;
    // A link is refused where anything has the name already: nothing is replaced.
    const std::string source =
        temporary.empty() ? "/proc/self/fd/" + std::to_string(fd) : temporary;
    ok = ok && ::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    const bool named = ok;
    ok = ::close(fd) == 0 && ok;
    if (!temporary.empty()) ::unlink(temporary.c_str());
    if (!ok) {
        if (named) ::unlink(name.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace

std::ptrdiff_t FileCalls::WriteAt(int fd, const std::uint8_t* data, std::size_t size,
                                  std::int64_t offset) {
    return ::pwrite(fd, data, size, static_cast<off_t>(offset));
}

int FileCalls::Reserve(int fd, std::int64_t size) {
    return ::posix_fallocate(fd, 0, static_cast<off_t>(size));
}

int FileCalls::SyncFile(int fd) {
    return ::fsync(fd);
}

int FileCalls::SyncFolder(int fd) {
    // A file system that cannot flush a folder has nothing to flush.
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : -1;
}

int FileCalls::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}

std::unique_ptr<FileCalls> SetFileCalls(std::unique_ptr<FileCalls> calls) {
    if (!calls) calls = std::make_unique<FileCalls>();
    InstalledCalls().swap(calls);
    return calls;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::size_t size = 0;
    const int fd = OpenForReading(path, size);
    if (fd < 0) return false;
    const bool ok = ReadToEnd(fd, size, bytes);
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

bool SaveFileAtomically(const std::string& path, const std::function<void(ByteWriter&)>& write) {
    const std::optional<std::string> resolved = FollowLinks(path);
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
    const std::string folder = FolderOf(target);
    // A new file under the name would leave the file's other names with the old bytes.
    if (exists && (existing.st_nlink > 1 ||
                   ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0))
        return RewriteInPlace(target, write);
    RemoveLeftovers(folder);

    std::string temporary;
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    const bool unnamed = fd >= 0;
    if (!unnamed) {
        // A file system without unnamed files: a named one, removed on every failure.
        fd = CreateNamed(folder, temporary);
        if (fd < 0) return false;
    }

    bool ok = false;
    try {
        DescriptorSink sink(fd);
        ByteWriter writer(sink);
        write(writer);
        ok = !writer.Failed();
    } catch (const std::bad_alloc&) {
        // A failed save like any other: the old file stays, and so does the program.
    }
    if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        // Owner and group where the user may (root); else the group alone, where the user is
        // in it, so that the others of the group can still save the file. A save does not
        // fail on either.
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            [[maybe_unused]] const int kept = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
        }
    }
    ok = ok && ::fchmod(fd, exists ? existing.st_mode & 07777 : NewFileMode()) == 0;
    ok = ok && Calls().SyncFile(fd) == 0;
    if (ok && unnamed) {
        temporary = LinkUnnamed(fd, folder);
        ok = !temporary.empty();
    }
    ok = ::close(fd) == 0 && ok;
    const bool renamed = ok && Calls().Rename(temporary, target) == 0;
    // In a sticky folder (as /tmp) only the file's owner may rename over it.
    const bool refused = ok && !renamed && exists && (errno == EPERM || errno == EACCES);
    if (!renamed) {
        if (!temporary.empty()) ::unlink(temporary.c_str());
        return refused && RewriteInPlace(target, write);
    }
    SyncFolder(folder);
    return true;
}

std::string KeepCopyBeside(const std::string& path, const std::string& suffix) {
    struct stat info {};
    std::vector<std::uint8_t> bytes;
    if (::stat(path.c_str(), &info) != 0 || !ReadWholeFile(path, bytes)) return "";
    for (int number = 1; number <= kCopyNames; ++number) {
        const std::string name = path + suffix + (number == 1 ? "" : "." + std::to_string(number));
        if (!Exists(name)) {
            if (CreateNewFile(name, bytes, info.st_mode & 0777)) return name;
            // Made meanwhile by someone else: the next name. Otherwise none can be made here.
            if (!Exists(name)) return "";
        }
        struct stat held {};
        std::vector<std::uint8_t> heldBytes;
        if (::lstat(name.c_str(), &held) == 0 && S_ISREG(held.st_mode) &&
            ReadWholeFile(name, heldBytes) && heldBytes == bytes)
            return name;
    }
    return "";
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
