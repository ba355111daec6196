#include "platform/ByteStream.h"

#include <cstring>

namespace platform {

bool ByteReader::ReadInto(std::span<std::uint8_t> out) {
    const std::uint8_t* at = nullptr;
    if (!Take(out.size(), at)) return false;
    // An empty span may carry a null pointer, which memcpy must not be given even for 0 bytes.
    if (!out.empty()) std::memcpy(out.data(), at, out.size());
    return true;
}

void ByteWriter::WriteBytes(const void* data, std::size_t size) {
    if (failed_ || size == 0) return;
    if (!sink_.Write(static_cast<const std::uint8_t*>(data), size)) {
        failed_ = true;
        return;
    }
    written_ += size;
}

void ByteWriter::WriteU8(std::uint8_t value) {
    WriteBytes(&value, 1);
}
void ByteWriter::WriteI32(std::int32_t value) {
    WriteBytes(&value, 4);
}
void ByteWriter::WriteU32(std::uint32_t value) {
    WriteBytes(&value, 4);
}
void ByteWriter::WriteF64(double value) {
    WriteBytes(&value, 8);
}

bool BufferedSink::Write(const std::uint8_t* data, std::size_t size) {
    if (size > buffer_.size() - used_ && !Flush()) return false;
    // A block larger than the buffer goes on in one piece.
    if (size >= buffer_.size()) {
        target_.WriteBytes(data, size);
        return !target_.Failed();
    }
    std::memcpy(buffer_.data() + used_, data, size);
    used_ += size;
    return true;
}

bool BufferedSink::Flush() {
    target_.WriteBytes(buffer_.data(), used_);
    used_ = 0;
    return !target_.Failed();
}

}  // namespace platform
