#include "platform/FileStart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>

namespace platform {

bool ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) {
    // O_NONBLOCK keeps the open of a FIFO without a writer from waiting; the type check then
    // refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0;
    std::vector<std::uint8_t> start;
    if (ok) {
        try {
            start.resize(std::min<std::uint64_t>(static_cast<std::uint64_t>(info.st_size), limit));
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    std::size_t filled = 0;
    while (ok && filled < start.size()) {
        const ssize_t n = ::read(fd, start.data() + filled, start.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;  // a file cut shorter meanwhile gives what it still holds
            break;
        }
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (!ok) return false;
    start.resize(filled);
    bytes = std::move(start);
    return true;
}

}  // namespace platform
