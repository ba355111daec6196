#pragma once

#include <cstdint>
#include <string>

#include "platform/ByteStream.h"

// The one string encoding of every file: a 4-byte little-endian byte count, then the text's
// bytes in code page 1250, no terminator. Texts are UTF-8 in memory; counts and sizes are
// of the code-page bytes ("Kartkówka" is 9).

// Writes the count and the bytes; always 0 (a failed write shows in the writer).
std::int32_t TClStreamWriteString(platform::ByteWriter& out, const std::string& text);
// Reads the count and the bytes into `text`; the text ends at the first zero byte.
// -1 (and `text` unchanged) when the count or the bytes run past the end of the data.
std::int32_t TClStreamReadString(platform::ByteReader& in, std::string& text);
// Reads a stored string as TClStreamReadString does and compares it with `tag` without
// keeping it: 0 equal, 1 different, -1 when the data ends early.
std::int32_t TClStreamReadTag(platform::ByteReader& in, const std::string& tag);
// The stored size: byte length + 4.
std::uint32_t TClStreamStringSize(const std::string& text);
// Exact, case-sensitive comparison of the bytes.
bool TClStringsEqual(const std::string& a, const std::string& b);
