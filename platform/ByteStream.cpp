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

void ByteWriter::WriteToSink(const void* data, std::size_t size) {
    if (failed_ || size == 0) return;
    if (!sink_.Write(static_cast<const std::uint8_t*>(data), size)) {
        failed_ = true;
        return;
    }
    written_ += size;
}

BufferedSink::BufferedSink(ByteWriter& target, std::size_t capacity)
    : target_(target), buffer_(capacity) {
    room_ = buffer_.data();
    roomEnd_ = buffer_.data() + buffer_.size();
}

bool BufferedSink::Write(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(roomEnd_ - room_) && !Flush()) return false;
    // A block larger than the buffer goes on in one piece.
    if (size >= buffer_.size()) {
        target_.WriteBytes(data, size);
        return !target_.Failed();
    }
    std::memcpy(room_, data, size);
    room_ += size;
    return true;
}

bool BufferedSink::Flush() {
    target_.WriteBytes(buffer_.data(), Used());
    room_ = buffer_.data();
    // A failed target takes no more: the writers see the failure on their next write.
    roomEnd_ = target_.Failed() ? room_ : buffer_.data() + buffer_.size();
    return !target_.Failed();
}

}  // namespace platform
