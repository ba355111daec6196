#pragma once

// The steps the file writers of platform/ share: writes through the installed FileCalls,
// reads with the checks every read makes, temporary names, and new files made whole before
// they get their name.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace platform::files {

using Bytes = std::span<const std::uint8_t>;

// The calls installed with SetFileCalls.
FileCalls& Calls();

// Writes every one of `size` bytes from `offset` on, again after a short or interrupted write.
bool WriteAllAt(int fd, const std::uint8_t* data, std::size_t size, std::int64_t offset);

// Makes `bytes` the whole content of the open file and flushes it.
bool WriteWhole(int fd, Bytes bytes);

// Opens a regular file for reading, however large, with its size in `size`; -1 when it cannot
// be opened or is no regular file (a folder, a FIFO, a device). Never waits on a FIFO.
int OpenRegularForReading(const std::string& path, std::uint64_t& size);

// The size of an open file after the checks every read makes; nothing when it is not a
// regular file (a folder, a FIFO, a device) or is larger than kLargestReadableFile.
std::optional<std::size_t> ReadableSize(int fd);

// Reads an open file from where it stands to its end, `size` bytes expected; false when a
// read fails, memory runs out or the file grows past kLargestReadableFile meanwhile.
bool ReadToEnd(int fd, std::size_t size, std::vector<std::uint8_t>& bytes);

// The folder part of a path without its separator: "." for a bare name, "/" for the root's.
std::string FolderOf(const std::string& path);

// Flushes the folder so that a name given or taken in it survives a crash. A folder that
// fails to flush undoes nothing: the name already stands as it is.
void SyncFolder(const std::string& folder);

// Temporary files are named ".quirvale-<pid>-<n>", n below kTemporaryAttempts, so that one a
// killed save left behind is known by its name.
inline constexpr int kTemporaryAttempts = 100;
inline constexpr std::string_view kTemporaryPrefix = ".quirvale-";

// Gives an unnamed file (O_TMPFILE) a temporary name in `folder`; "" when that fails.
std::string LinkUnnamed(int fd, const std::string& folder);

// Where a file system has no unnamed files: a new temporary file in `folder`, open for
// writing, with its name in `name`; -1 when none can be made.
int CreateNamedTemporary(const std::string& folder, std::string& name);

// Makes a new file at `name` holding `bytes`, with the permission bits `mode`, flushed to
// disk before it gets the name, the name flushed too; false, with nothing left at `name`,
// when anything is there already or the file cannot be made whole.
bool CreateNewFile(const std::string& name, Bytes bytes, mode_t mode);

}  // namespace platform::files
