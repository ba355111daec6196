#include "core/DocumentLimits.h"

#include "platform/Cp1250.h"

std::int32_t TDocumentAllowance::ReadString(platform::ByteReader& in, std::string& text) {
    std::uint32_t count = 0;
    std::string_view bytes;
    if (!in.ReadU32(count)) return -1;
    if (count > kLongestText && count <= in.Remaining()) {
        exceeded_ = true;
        return -1;
    }
    if (!in.ReadView(count, bytes)) return -1;
    platform::Cp1250ToUtf8UpToZero(bytes, text);
    return 0;
}
