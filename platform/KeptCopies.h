#pragma once

// Copies of a file kept beside it or elsewhere: made new, whole and flushed, never in place of
// anything already there.

#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Keeps a copy of the file at `path` beside it, named `path` + `suffix`, or where that name is
// taken `path` + `suffix` + ".2", ".3" ... ".99". A name holding the same bytes already is
// the copy; nothing found under a name is ever replaced. The copy has the file's permission
// bits and is written whole and flushed to disk before it gets its name. Its name, or ""
// when no copy could be kept (nothing is then left behind).
std::string KeepCopyBeside(const std::string& path, const std::string& suffix);

// Keeps `bytes` as KeepCopyBeside keeps a file's: under `name`, or the first of `name` + ".2"
// ... ".99" that is free or already holds them, with the permission bits `mode`.
std::string KeepBytesAs(const std::string& name, std::span<const std::uint8_t> bytes, mode_t mode);

// The most names KeepBytesAs tries, and the name it tries as the `number`th (1 to kCopyNames).
inline constexpr int kCopyNames = 99;
std::string NumberedName(const std::string& name, int number);

}  // namespace platform
