#include "core/Strings.h"

#include <array>
#include <cstring>
#include <string_view>

#include "platform/Cp1250.h"

namespace {

// Most texts of a document are short; encoding them needs no allocation.
constexpr std::size_t kShortText = 256;

void WriteCountAndBytes(platform::ByteWriter& out, const char* bytes, std::size_t size) {
    out.WriteU32(static_cast<std::uint32_t>(size));
    out.WriteBytes(bytes, size);
}

}  // namespace

std::int32_t TClStreamWriteString(platform::ByteWriter& out, const std::string& text) {
    // The code page never needs more bytes than UTF-8. A document's many texts are encoded
    // straight into a buffering sink.
    if (std::uint8_t* room = out.Room(4 + text.size())) {
        const std::size_t size = platform::Utf8ToCp1250(text, reinterpret_cast<char*>(room + 4));
        const auto count = static_cast<std::uint32_t>(size);
        std::memcpy(room, &count, 4);
        out.Filled(4 + size);
    } else if (text.size() <= kShortText) {
        std::array<char, kShortText> bytes;
        WriteCountAndBytes(out, bytes.data(), platform::Utf8ToCp1250(text, bytes.data()));
    } else {
        const std::string bytes = platform::Utf8ToCp1250(text);
        WriteCountAndBytes(out, bytes.data(), bytes.size());
    }
    return 0;
}

std::int32_t TClStreamReadString(platform::ByteReader& in, std::string& text) {
    std::uint32_t count = 0;
    std::string_view bytes;
    // The count is checked against the bytes left before anything is allocated, and the
    // text is converted straight from the reader's bytes.
    if (!in.ReadU32(count) || !in.ReadView(count, bytes)) return -1;
    platform::Cp1250ToUtf8UpToZero(bytes, text);
    return 0;
}

std::int32_t TClStreamReadTag(platform::ByteReader& in, const std::string& tag) {
    std::uint32_t count = 0;
    std::string_view bytes;
    if (!in.ReadU32(count) || !in.ReadView(count, bytes)) return -1;
    // Tags are short: decoding one takes no allocation.
    std::string stored;
    platform::Cp1250ToUtf8UpToZero(bytes, stored);
    return stored == tag ? 0 : 1;
}

std::uint32_t TClStreamStringSize(const std::string& text) {
    return static_cast<std::uint32_t>(platform::Cp1250Length(text)) + 4;
}

bool TClStringsEqual(const std::string& a, const std::string& b) {
    return a == b;
}
