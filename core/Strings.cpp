#include "core/Strings.h"

#include "platform/Cp1250.h"

std::int32_t TClStreamWriteString(platform::ByteWriter& out, const std::string& text) {
    const std::string bytes = platform::Utf8ToCp1250(text);
    out.WriteU32(static_cast<std::uint32_t>(bytes.size()));
    out.WriteBytes(bytes.data(), bytes.size());
    return 0;
}

std::int32_t TClStreamReadString(platform::ByteReader& in, std::string& text) {
    std::uint32_t count = 0;
    std::string bytes;
    // ReadBytes checks the count against the bytes left before it allocates anything.
    if (!in.ReadU32(count) || !in.ReadBytes(count, bytes)) return -1;
    const std::size_t zero = bytes.find('\0');
    if (zero != std::string::npos) bytes.resize(zero);
    text = platform::Cp1250ToUtf8(bytes);
    return 0;
}

std::uint32_t TClStreamStringSize(const std::string& text) {
    return static_cast<std::uint32_t>(platform::Cp1250Length(text)) + 4;
}

bool TClStringsEqual(const std::string& a, const std::string& b) {
    return a == b;
}
