#include "tests/support/SavedFiles.h"

#include <gtest/gtest.h>

#include "platform/Files.h"

namespace testing_support {

Bytes Pattern(std::size_t size, std::uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + seed + (i >> 8));
    return bytes;
}

bool SaveBytes(const std::string& path, const Bytes& bytes) {
    return platform::SaveFileAtomically(
        path, [&](platform::ByteWriter& out) { out.WriteBytes(bytes.data(), bytes.size()); });
}

struct stat StatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

}  // namespace testing_support
