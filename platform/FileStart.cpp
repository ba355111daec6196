#include "platform/FileStart.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>

#include "platform/FileSteps.h"

namespace platform {

bool ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) {
    std::uint64_t size = 0;
    const int fd = files::OpenRegularForReading(path, size);
    if (fd < 0) return false;
    bool ok = true;
    std::vector<std::uint8_t> start;
    try {
        start.resize(std::min<std::uint64_t>(size, limit));
    } catch (const std::bad_alloc&) {
        ok = false;
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
