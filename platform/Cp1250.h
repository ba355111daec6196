#pragma once

#include <string>
#include <string_view>

namespace platform {

// The longest text a document holds, in code-page bytes (one a character). The text fields
// refuse what would go past it, and a document with a longer text is neither opened nor saved.
inline constexpr std::size_t kLongestText = 65536;

// Texts are UTF-8 in memory and Windows code page 1250 in files and reports.
// Both directions are total: every byte of the code page has a character and back, and a
// character the code page cannot hold becomes "?".
std::string Cp1250ToUtf8(std::string_view bytes);
std::string Utf8ToCp1250(std::string_view text);
// A stored text, which ends at its first zero byte (or with the bytes), decoded into `out`,
// whose content it replaces.
void Cp1250ToUtf8UpToZero(std::string_view bytes, std::string& out);
// Encodes without a temporary into `out`, which must hold text.size() bytes (a character
// never takes more bytes in the code page); the number of bytes written.
std::size_t Utf8ToCp1250(std::string_view text, char* out);
// Number of code-page bytes the UTF-8 text takes (one per character).
std::size_t Cp1250Length(std::string_view text);

}  // namespace platform
