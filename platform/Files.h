#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/ByteStream.h"

namespace platform {

// Documents and settings are small; anything larger is no file of the program's.
inline constexpr std::uint64_t kLargestReadableFile = 64u << 20;

// Reads the whole file; false when it cannot be opened or read, when it is not a regular file
// (a folder, a FIFO, a device) or when it is larger than kLargestReadableFile. Never blocks
// on a FIFO and never lets an allocation failure escape.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// A file read a block at a time through a ByteReader (`ByteReader in(file, file.Size())`).
class FileSource final : public ByteSource {
  public:
    FileSource() = default;
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // False for any file ReadWholeFile refuses.
    bool Open(const std::string& path);
    // The size when opened; a reader expects that many bytes.
    std::size_t Size() const { return size_; }
    // True once a read failed (rather than found the end): such a file was not read.
    bool Failed() const { return failed_; }

    std::ptrdiff_t Read(std::uint8_t* into, std::size_t size) override;

  private:
    int fd_ = -1;
    std::size_t size_ = 0;
    bool failed_ = false;
};

// True when the path names a regular file (through any symbolic links).
bool IsRegularFile(const std::string& path);

// The system calls through which a save changes files. The program uses the system's own;
// a test installs calls that fail where a real disk would (full, failing to flush) or that
// end the process between two of them.
class FileCalls {
  public:
    virtual ~FileCalls() = default;
    // As pwrite(2): the number of bytes written, or -1 with errno set.
    virtual std::ptrdiff_t WriteAt(int fd, const std::uint8_t* data, std::size_t size,
                                   std::int64_t offset);
    // As posix_fallocate(3) from the start of the file: 0, or an error number.
    virtual int Reserve(int fd, std::int64_t size);
    // As fsync(2) on a file and on a folder: 0, or -1 with errno set.
    virtual int SyncFile(int fd);
    virtual int SyncFolder(int fd);
    // As rename(2).
    virtual int Rename(const std::string& from, const std::string& to);
};

// Installs file calls; nullptr restores the system's. Returns the calls it replaced.
std::unique_ptr<FileCalls> SetFileCalls(std::unique_ptr<FileCalls> calls);

// Largest file a save writes when it is given no limit.
inline constexpr std::uint64_t kNoSizeLimit = std::numeric_limits<std::uint64_t>::max();

// Writes a file so that the previous one is never lost: `write` fills an unnamed file in the
// same folder, which is flushed to disk, given a name and renamed over `path`; the folder is
// then flushed too. The file keeps the permission bits, owner and group of the one it
// replaces. A symbolic link at `path`, or on the way to it, is written through to the file it
// names where the link rule allows (platform/LinkRule.h), and fails the save where it does
// not. A file the user may not write is refused, and so is a file `write` would make larger
// than `largest` bytes. Memory running out while `write` runs fails the save.
//
// True once the new bytes are at `path`, false while the old ones are (or, after a failed
// rewrite in place, lie in its backup): a folder that fails to flush after the rename does
// not undo a save, as the name already leads to the new file and a crash can bring back no
// more than the whole old one. A whole save removes the backups an earlier rewrite in place
// left of the file (platform/Backups.h).
//
// A save killed between naming its file and the rename leaves a hidden
// ".quirvale-<pid>-<n>" file; the first save of a run of the same user's in that folder
// removes those whose process no longer runs, where they are plain files of that user's with
// one name.
//
// Where no new file may take the old one's place, the file is rewritten in place with a
// backup of its old bytes (platform/InPlaceRewrite.h), the new bytes made in memory first:
// where the folder may not be written but the file may, where the file has other names (hard
// links, which are to see the new bytes too), where the new file could not have the old one's
// owner and group (another user's file in a folder the user may write), and where the rename
// over it is refused (then `write` runs a second time).
bool SaveFileAtomically(const std::string& path, const std::function<void(ByteWriter&)>& write,
                        std::uint64_t largest = kNoSizeLimit);

// The folder part of a path, up to and including the last separator ("" when it has none).
std::string ExtractFilePath(const std::string& path);

// The folder of the program file, ending in a separator. Settings files live there.
std::string ProgramDirectory();
// Points ProgramDirectory elsewhere (a test's temporary folder); "" restores the default.
void SetProgramDirectory(std::string directory);

}  // namespace platform
