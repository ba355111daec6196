#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Reads the first `limit` bytes of a regular file (all of it when it is shorter), however large
// the file is; false when it cannot be opened or read, when it is not a regular file (a
// folder, a FIFO, a device) or when memory runs out. Never blocks on a FIFO.
bool ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes);

}  // namespace platform
