#include "core/ProgramOptions.h"

#include <vector>

#include "core/Strings.h"
#include "platform/ByteStream.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

namespace {

bool FitsCp1250(const std::string& text) {
    return platform::Cp1250ToUtf8(platform::Utf8ToCp1250(text)) == text;
}

// A path the code page cannot hold ("/home/jørgen/...") is stored as its UTF-8 bytes, which
// the start-up then finds by trying them as UTF-8.
void WritePath(platform::ByteWriter& out, const std::string& path) {
    if (FitsCp1250(path)) {
        TClStreamWriteString(out, path);
        return;
    }
    out.WriteU32(static_cast<std::uint32_t>(path.size()));
    out.WriteBytes(path.data(), path.size());
}

// The stored path read as code page 1250, or as UTF-8 when only that names a file.
std::string ReadablePath(const std::string& asCp1250) {
    if (asCp1250.empty() || platform::IsRegularFile(asCp1250)) return asCp1250;
    // Code page 1250 gives every byte a character and back, so the bytes are recovered whole.
    const std::string bytes = platform::Utf8ToCp1250(asCp1250);
    return platform::IsRegularFile(bytes) ? bytes : asCp1250;
}

}  // namespace

std::int32_t TProgramOptions::SaveToFile(const std::string& path) const {
    const bool saved = platform::SaveFileAtomically(path, [this](platform::ByteWriter& out) {
        out.WriteU8(OpenLastFile);
        WritePath(out, LastFile);
        out.WriteI32(Left);
        out.WriteI32(Top);
    });
    return saved ? 0 : -1;
}

std::int32_t TProgramOptions::LoadFromFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) return -1;

    // Read into temporaries so that a truncated file changes nothing. Bytes after the four
    // fields are ignored, as the original read the fields and stopped.
    platform::ByteReader in(bytes);
    std::uint8_t openLastFile = 0;
    std::string lastFile;
    std::int32_t left = 0;
    std::int32_t top = 0;
    if (!in.ReadU8(openLastFile) || TClStreamReadString(in, lastFile) != 0 || !in.ReadI32(left) ||
        !in.ReadI32(top))
        return -1;

    OpenLastFile = openLastFile;
    LastFile = ReadablePath(lastFile);
    Left = left;
    Top = top;
    return 0;
}
