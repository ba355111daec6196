#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Where a reader's bytes come from when they are not all in memory: a file, or in tests a
// source that trickles or fails on purpose.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes into `into`: the number read, 0 at the end, -1 on an error.
    virtual std::ptrdiff_t Read(std::uint8_t* into, std::size_t size) = 0;
};

// A bounds-checked cursor over bytes read from a file. Every read checks the bytes left
// first; a read that does not fit fails, leaves its output alone and makes the reader
// failed for good, so a loader can check once at the end of a block.
class ByteReader {
  public:
    // Over bytes all in memory.
    explicit ByteReader(std::span<const std::uint8_t> bytes)
        : next_(bytes.data()), end_(bytes.data() + bytes.size()), size_(bytes.size()) {}
    // Over `size` bytes to come from `source`, read a block at a time as they are needed, so
    // a large file is never in memory whole. Where the source ends early or fails, the bytes
    // it gave are read as all there is.
    ByteReader(ByteSource& source, std::size_t size)
        : size_(size), unbuffered_(size), source_(&source) {}

    // Defined here: a document's load is mostly these calls.
    bool ReadU8(std::uint8_t& value) { return Read(value); }
    bool ReadI32(std::int32_t& value) { return Read(value); }
    bool ReadU32(std::uint32_t& value) { return Read(value); }
    bool ReadF64(double& value) { return Read(value); }
    // Takes exactly n raw bytes without copying them: `out` views the reader's bytes and is
    // valid until the next read. Fails (leaving `out` alone) when fewer remain.
    bool ReadView(std::size_t n, std::string_view& out) {
        const std::uint8_t* at = nullptr;
        if (!Take(n, at)) return false;
        out = std::string_view(reinterpret_cast<const char*>(at), n);
        return true;
    }
    bool ReadInto(std::span<std::uint8_t> out);

    std::size_t Position() const { return size_ - missing_ - Remaining(); }
    std::size_t Remaining() const { return static_cast<std::size_t>(end_ - next_) + unbuffered_; }
    bool Failed() const { return failed_; }
    // True when at least n bytes remain (and nothing failed so far).
    bool Has(std::size_t n) const { return !failed_ && Remaining() >= n; }

  private:
    bool Take(std::size_t n, const std::uint8_t*& at) {
        if (failed_ || n > static_cast<std::size_t>(end_ - next_)) return TakeAfterRefill(n, at);
        at = next_;
        next_ += n;
        return true;
    }
    // Brings at least n bytes into the buffer and takes them; false (failed for good) when
    // they do not remain or the source does not deliver them.
    bool TakeAfterRefill(std::size_t n, const std::uint8_t*& at);

    // A little-endian value, as the host stores it.
    template <typename T>
    bool Read(T& value) {
        static_assert(std::endian::native == std::endian::little, "little-endian host expected");
        const std::uint8_t* at = nullptr;
        if (!Take(sizeof value, at)) return false;
        std::memcpy(&value, at, sizeof value);
        return true;
    }

    // The bytes in memory not yet taken.
    const std::uint8_t* next_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    std::size_t size_ = 0;
    // Bytes the source has still to deliver, and those it did not have when it ended.
    std::size_t unbuffered_ = 0;
    std::size_t missing_ = 0;
    ByteSource* source_ = nullptr;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
    bool failed_ = false;
};

// Where written bytes go: memory, a file, or in tests a sink that fails on purpose.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // False when the bytes could not all be written.
    virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;

  protected:
    // Free room of a buffering sink that a writer fills directly, so that the many small
    // fields of a file cost a copy each rather than a call; empty for other sinks.
    std::uint8_t* room_ = nullptr;
    std::uint8_t* roomEnd_ = nullptr;

    friend class ByteWriter;
};

class VectorSink final : public ByteSink {
  public:
    bool Write(const std::uint8_t* data, std::size_t size) override {
        bytes.insert(bytes.end(), data, data + size);
        return true;
    }
    std::vector<std::uint8_t> bytes;
};

// Little-endian writer. The first failed write makes it failed for good and later writes
// are dropped, so a writer can check once at the end.
class ByteWriter {
  public:
    explicit ByteWriter(ByteSink& sink) : sink_(sink) {}

    void WriteU8(std::uint8_t value) { WriteBytes(&value, 1); }
    void WriteI32(std::int32_t value) { WriteBytes(&value, 4); }
    void WriteU32(std::uint32_t value) { WriteBytes(&value, 4); }
    void WriteF64(double value) { WriteBytes(&value, 8); }
    void WriteBytes(const void* data, std::size_t size) {
        if (!failed_ && size <= static_cast<std::size_t>(sink_.roomEnd_ - sink_.room_)) {
            if (size > 0) std::memcpy(sink_.room_, data, size);
            sink_.room_ += size;
            written_ += size;
            return;
        }
        WriteToSink(data, size);
    }

    // Room for up to `size` bytes in a buffering sink, for bytes made in place rather than
    // copied; nullptr where it has none so large (or the writer failed). Filled(n) then
    // counts the first n of them as written.
    std::uint8_t* Room(std::size_t size) {
        return !failed_ && size <= static_cast<std::size_t>(sink_.roomEnd_ - sink_.room_)
                   ? sink_.room_
                   : nullptr;
    }
    void Filled(std::size_t size) {
        sink_.room_ += size;
        written_ += size;
    }

    bool Failed() const { return failed_; }
    std::size_t Written() const { return written_; }

  private:
    void WriteToSink(const void* data, std::size_t size);

    ByteSink& sink_;
    std::size_t written_ = 0;
    bool failed_ = false;
};

// Gathers small writes into blocks before passing them to `target`, so that a file takes a
// few large writes rather than one per field. Flush passes on the rest; the destructor
// does not, so bytes of an abandoned write never arrive.
class BufferedSink final : public ByteSink {
  public:
    explicit BufferedSink(ByteWriter& target, std::size_t capacity = 64 * 1024);

    bool Write(const std::uint8_t* data, std::size_t size) override;
    // False when the target has failed, now or before.
    bool Flush();

  private:
    std::size_t Used() const { return static_cast<std::size_t>(room_ - buffer_.data()); }

    ByteWriter& target_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace platform
