#pragma once

#include <cstdint>
#include <functional>
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

// Writes a file so that the previous one is never lost: `write` fills an unnamed file in the
// same folder, which is flushed to disk, given a name and renamed over `path` only when every
// byte was written; the folder is then flushed too. A save killed midway leaves nothing
// behind. The file keeps the permission bits (and, where allowed, the owner) of the one it
// replaces; a symbolic link at `path` is written through to the file it names. A file the
// user may not write is refused; where the folder may not be written but the file may, the
// file is rewritten in place instead. False (and the old file untouched, except after a
// failed rewrite in place) when anything fails.
bool SaveFileAtomically(const std::string& path, const std::function<void(ByteWriter&)>& write);

// The folder part of a path, up to and including the last separator ("" when it has none).
std::string ExtractFilePath(const std::string& path);

// The folder of the program file, ending in a separator. Settings files live there.
std::string ProgramDirectory();
// Points ProgramDirectory elsewhere (a test's temporary folder); "" restores the default.
void SetProgramDirectory(std::string directory);

}  // namespace platform
