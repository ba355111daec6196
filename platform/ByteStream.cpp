#include "platform/ByteStream.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// A source's bytes are read in blocks of this size: large enough that the system calls cost
// little beside the copying, small beside a large document, whose file is never in memory
// whole.
constexpr std::size_t kSourceBlock = 256 * 1024;

}  // namespace

bool ByteReader::TakeAfterRefill(std::size_t n, const std::uint8_t*& at) {
    if (failed_ || n > Remaining() || source_ == nullptr) {
        failed_ = true;
        return false;
    }
    // The bytes not yet taken move to the front, then a block (or the n bytes, when more)
    // follows them. The count was checked against the bytes left, so a buffer is never
    // larger than the input.
    const auto kept = static_cast<std::size_t>(end_ - next_);
    const std::size_t wanted = std::min(std::max(n, kSourceBlock), kept + unbuffered_);
    if (wanted > capacity_) {
        auto larger = std::make_unique_for_overwrite<std::uint8_t[]>(wanted);
        if (kept > 0) std::memcpy(larger.get(), next_, kept);
        buffer_ = std::move(larger);
        capacity_ = wanted;
    } else if (kept > 0) {
        std::memmove(buffer_.get(), next_, kept);
    }
    std::size_t filled = kept;
    while (filled < wanted) {
        const std::ptrdiff_t got = source_->Read(buffer_.get() + filled, wanted - filled);
        if (got <= 0) {
            // What the source gave is all there is: the bytes before its end can still be read.
            missing_ = unbuffered_;
            unbuffered_ = 0;
            source_ = nullptr;
            break;
        }
        filled += static_cast<std::size_t>(got);
        unbuffered_ -= static_cast<std::size_t>(got);
    }
    next_ = buffer_.get();
    end_ = next_ + filled;
    if (n > filled) {
        failed_ = true;
        return false;
    }
    at = next_;
    next_ += n;
    return true;
}

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
