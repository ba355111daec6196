#pragma once

// Saving bytes and looking at the files saved, for the tests of the savers.

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

using Bytes = std::vector<std::uint8_t>;

// `size` bytes that differ from those of another seed.
Bytes Pattern(std::size_t size, std::uint8_t seed);

// Saves `bytes` to `path` with platform::SaveFileAtomically; true when it saved.
bool SaveBytes(const std::string& path, const Bytes& bytes);

// What lstat(2) tells of `path`; a failed test where it fails.
struct stat StatOf(const std::string& path);

}  // namespace testing_support
