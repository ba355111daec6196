#include "core/ProgramOptions.h"

#include <vector>

#include "core/Strings.h"
#include "platform/ByteStream.h"
#include "platform/Files.h"

std::int32_t TProgramOptions::SaveToFile(const std::string& path) const {
    const bool saved = platform::SaveFileAtomically(path, [this](platform::ByteWriter& out) {
        out.WriteU8(OpenLastFile);
        TClStreamWriteString(out, LastFile);
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
    LastFile = std::move(lastFile);
    Left = left;
    Top = top;
    return 0;
}
