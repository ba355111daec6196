#include "platform/InPlaceRewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <vector>

#include "platform/Backups.h"
#include "platform/FileSteps.h"

namespace platform {

bool RewriteInPlace(const std::string& target, std::span<const std::uint8_t> fresh) {
    // The path is resolved: a link put there since is not followed.
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0) return false;
    struct stat info {};
    std::vector<std::uint8_t> old;
    const std::optional<std::size_t> size = files::ReadableSize(fd);
    std::string backup;
    if (size && ::fstat(fd, &info) == 0 && files::ReadToEnd(fd, *size, old))
        backup = KeepBackup(target, old, info.st_mode & 0777);
    if (backup.empty()) {
        ::close(fd);
        return false;
    }
    // Reserving may have grown the file, with zeros, past its old bytes; they are cut off,
    // and the backup goes only once that is on disk.
    if (!fresh.empty() &&
        files::Calls().Reserve(fd, static_cast<std::int64_t>(fresh.size())) != 0) {
        const bool cut = ::ftruncate(fd, static_cast<off_t>(old.size())) == 0 &&
                         files::Calls().SyncFile(fd) == 0;
        ::close(fd);
        if (cut) ::unlink(backup.c_str());
        return false;
    }
    if (files::WriteWhole(fd, fresh)) {
        // Flushed already: closing has nothing left to report about the file's bytes.
        ::close(fd);
        RemoveBackups(target);
        return true;
    }
    // The room reserved for the new bytes holds the old ones too.
    const bool restored = files::WriteWhole(fd, old);
    ::close(fd);
    if (restored) ::unlink(backup.c_str());
    return false;
}

}  // namespace platform
