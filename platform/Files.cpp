#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>
#include <optional>

namespace platform {
namespace {

class DescriptorSink final : public ByteSink {
  public:
    explicit DescriptorSink(int fd) : fd_(fd) {}
    bool Write(const std::uint8_t* data, std::size_t size) override {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }

  private:
    int fd_;
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

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Gives the unnamed file a name beside its target; "" when that fails.
std::string LinkUnnamed(int fd, const std::string& folder) {
    const std::string source = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            folder + "/.quirvale-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return name;
        if (errno != EEXIST) break;
    }
    return "";
}

// The rename is on disk only once the folder is; a file system that cannot flush a folder
// has nothing to flush.
bool SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

// Opens a file for reading after the checks every read makes; -1 when it cannot be opened,
// is not a regular file (a folder, a FIFO, a device) or is larger than kLargestReadableFile.
// Plain descriptors rather than a stream: a stream's buffer throws on a read error (a
// directory at the path, say) where a failed load is wanted. O_NONBLOCK keeps the open of a
// FIFO without a writer from waiting forever; the type check then refuses it.
int OpenForReading(const std::string& path, std::size_t& size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uint64_t>(info.st_size) > kLargestReadableFile) {
        ::close(fd);
        return -1;
    }
    size = static_cast<std::size_t>(info.st_size);
    return fd;
}

// The fallback where no file may be added to the folder: not atomic, but the user's file.
bool RewriteInPlace(const std::string& target, const std::function<void(ByteWriter&)>& write) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    DescriptorSink sink(fd);
    ByteWriter writer(sink);
    write(writer);
    bool ok = !writer.Failed() && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::size_t size = 0;
    const int fd = OpenForReading(path, size);
    if (fd < 0) return false;
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
    ::close(fd);
    if (!ok) return false;
    bytes = std::move(content);
    return true;
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
    if (exists && ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return RewriteInPlace(target, write);

    std::string temporary;
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    const bool unnamed = fd >= 0;
    if (!unnamed) {
        // A file system without unnamed files: a named one, removed on every failure.
        temporary = folder + "/.quirvale-XXXXXX";
        fd = ::mkstemp(temporary.data());
        if (fd < 0) return false;
    }

    DescriptorSink sink(fd);
    ByteWriter writer(sink);
    write(writer);
    bool ok = !writer.Failed();
    if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        // Kept where the user may (root, or a group of the user's); a save does not fail on it.
        [[maybe_unused]] const int kept = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    ok = ok && ::fchmod(fd, exists ? existing.st_mode & 07777 : NewFileMode()) == 0;
    ok = ok && ::fsync(fd) == 0;
    if (ok && unnamed) {
        temporary = LinkUnnamed(fd, folder);
        ok = !temporary.empty();
    }
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        if (!temporary.empty()) ::unlink(temporary.c_str());
        return false;
    }
    return SyncFolder(folder);
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
