#pragma once

#include <cstdint>
#include <string>

// The installation's settings, kept in "settings.dat" beside the program.
struct TProgramOptions {
    // One byte as stored; the last document is opened at start-up when it is 1.
    std::uint8_t OpenLastFile = 0;
    // Stored in code page 1250 when it can hold the path, else as its UTF-8 bytes; a stored
    // path that names no file in code page 1250 but does as UTF-8 is read as UTF-8.
    std::string LastFile;
    std::int32_t Left = 0;
    std::int32_t Top = 0;

    // 0, or -1 when the file cannot be written (the previous file is then kept).
    std::int32_t SaveToFile(const std::string& path) const;
    // 0, or -1 when the file cannot be read (not a regular file, larger than any settings
    // file can be) or is not a whole settings file; on -1 the record stays as it was.
    std::int32_t LoadFromFile(const std::string& path);
};
