#pragma once

// File calls for the saves' tests: a disk that fills up or goes bad, a folder that fails to
// flush.

#include <algorithm>
#include <cerrno>
#include <memory>
#include <utility>

#include "platform/Files.h"

namespace testing_support {

// Installs file calls of type Calls for the lifetime of the object; the system's come back
// after it. Processes forked meanwhile keep them.
template <typename Calls>
class InstalledFileCalls {
  public:
    template <typename... Args>
    explicit InstalledFileCalls(Args&&... args) {
        auto calls = std::make_unique<Calls>(std::forward<Args>(args)...);
        calls_ = calls.get();
        previous_ = platform::SetFileCalls(std::move(calls));
    }
    ~InstalledFileCalls() { platform::SetFileCalls(std::move(previous_)); }
    InstalledFileCalls(const InstalledFileCalls&) = delete;
    InstalledFileCalls& operator=(const InstalledFileCalls&) = delete;

    Calls* operator->() const { return calls_; }

  private:
    Calls* calls_;
    std::unique_ptr<platform::FileCalls> previous_;
};

// A disk with room for `room` more bytes: the write that needs more writes what fits, and
// the next one fails as on a full disk, once; the writes after it go through, as when
// something was freed meanwhile.
class DiskFullAfter final : public platform::FileCalls {
  public:
    explicit DiskFullAfter(std::size_t room) : room_(room) {}

    std::ptrdiff_t WriteAt(int fd, const std::uint8_t* data, std::size_t size,
                           std::int64_t offset) override {
        if (failed_ || size <= room_) {
            if (!failed_) room_ -= size;
            return FileCalls::WriteAt(fd, data, size, offset);
        }
        if (room_ == 0) {
            failed_ = true;
            errno = ENOSPC;
            return -1;
        }
        const std::ptrdiff_t written = FileCalls::WriteAt(fd, data, room_, offset);
        if (written > 0) room_ -= static_cast<std::size_t>(written);
        return written;
    }

  private:
    std::size_t room_;
    bool failed_ = false;
};

// A disk going bad once `room` more bytes were written: the write that needs more writes what
// fits, and every write after it fails with an I/O error, as does the putting back of what a
// failed save had changed.
class DiskFailsAfter final : public platform::FileCalls {
  public:
    explicit DiskFailsAfter(std::size_t room) : room_(room) {}

    std::ptrdiff_t WriteAt(int fd, const std::uint8_t* data, std::size_t size,
                           std::int64_t offset) override {
        if (room_ == 0) {
            errno = EIO;
            return -1;
        }
        const std::ptrdiff_t written = FileCalls::WriteAt(fd, data, std::min(size, room_), offset);
        if (written > 0) room_ -= static_cast<std::size_t>(written);
        return written;
    }

  private:
    std::size_t room_;
};

// A folder whose flush fails with an I/O error; every other call is the system's.
class FolderFlushFails final : public platform::FileCalls {
  public:
    int SyncFolder(int) override {
        ++attempts;
        errno = EIO;
        return -1;
    }
    int attempts = 0;
};

}  // namespace testing_support
