#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ByteStream.h"

namespace platform {

// Reads the whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Writes a file so that the previous one is never lost: `write` fills a temporary file in
// the same folder, which is flushed to disk and renamed over `path` only when every byte was
// written. False (and the old file untouched) when anything fails.
bool SaveFileAtomically(const std::string& path, const std::function<void(ByteWriter&)>& write);

// The folder part of a path, up to and including the last separator ("" when it has none).
std::string ExtractFilePath(const std::string& path);

// The folder of the program file, ending in a separator. Settings files live there.
std::string ProgramDirectory();
// Points ProgramDirectory elsewhere (a test's temporary folder); "" restores the default.
void SetProgramDirectory(std::string directory);

}  // namespace platform
