#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace testing_support {

// Builds expected file bytes by hand, little-endian; strings are length-prefixed and taken
// as the code-page bytes they are written in (pass "\xf3" for ó).
class ByteBuilder {
  public:
    ByteBuilder& U8(std::uint8_t v) {
        bytes_.push_back(v);
        return *this;
    }
    ByteBuilder& U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    ByteBuilder& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    ByteBuilder& F64(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        return *this;
    }
    ByteBuilder& Str(const std::string& cp1250) {
        U32(static_cast<std::uint32_t>(cp1250.size()));
        bytes_.insert(bytes_.end(), cp1250.begin(), cp1250.end());
        return *this;
    }
    ByteBuilder& Raw(const std::vector<std::uint8_t>& more) {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
        return *this;
    }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace testing_support
