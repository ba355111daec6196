#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>

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

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    // Plain descriptors rather than a stream: a stream's buffer throws on a read error (a
    // directory at the path, say) where a failed load is wanted.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::vector<std::uint8_t> content;
    std::array<std::uint8_t, 1 << 16> buffer;
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        content.insert(content.end(), buffer.begin(), buffer.begin() + n);
    }
    ::close(fd);
    if (!ok) return false;
    bytes = std::move(content);
    return true;
}

bool SaveFileAtomically(const std::string& path, const std::function<void(ByteWriter&)>& write) {
    std::string temporary = ExtractFilePath(path) + ".quirvale-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;

    DescriptorSink sink(fd);
    ByteWriter writer(sink);
    write(writer);
    bool ok = !writer.Failed() && ::fsync(fd) == 0;
    // mkstemp makes the file private; a document gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ok = ::fchmod(fd, 0666 & ~mask) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
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
