#include "platform/FileSteps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>

namespace platform {
namespace files {
namespace {

std::unique_ptr<FileCalls>& InstalledCalls() {
    static std::unique_ptr<FileCalls> calls = std::make_unique<FileCalls>();
    return calls;
}

std::string TemporaryName(const std::string& folder, int attempt) {
    return folder + "/" + std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(attempt);
}

}  // namespace

FileCalls& Calls() {
    return *InstalledCalls();
}

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

bool WriteWhole(int fd, Bytes bytes) {
    return WriteAllAt(fd, bytes.data(), bytes.size(), 0) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && Calls().SyncFile(fd) == 0;
}

int OpenRegularForReading(const std::string& path, std::uint64_t& size) {
    // O_NONBLOCK keeps the open of a FIFO without a writer from waiting forever; the type
    // check then refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        return -1;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return fd;
}

std::optional<std::size_t> ReadableSize(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uint64_t>(info.st_size) > kLargestReadableFile)
        return std::nullopt;
    return static_cast<std::size_t>(info.st_size);
}

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

std::string FolderOf(const std::string& path) {
    std::string folder = ExtractFilePath(path);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder.empty() ? "." : folder;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    [[maybe_unused]] const int synced = Calls().SyncFolder(fd);
    ::close(fd);
}

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

int CreateNamedTemporary(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        name = TemporaryName(folder, attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    name.clear();
    return -1;
}

bool CreateNewFile(const std::string& name, Bytes bytes, mode_t mode) {
    const std::string folder = FolderOf(name);
    std::string temporary;
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    // Without unnamed files: a temporary file as a save makes one, removed whatever happens.
    if (fd < 0) fd = CreateNamedTemporary(folder, temporary);
    if (fd < 0) return false;
    // Where the bits cannot be set the file stays the user's alone, which serves as well.
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

}  // namespace files

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
    files::InstalledCalls().swap(calls);
    return calls;
}

}  // namespace platform
