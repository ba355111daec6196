#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ByteStream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::ByteReader;
using platform::ByteWriter;

// Accepts a set number of writes, then refuses every one.
class LimitedSink final : public platform::ByteSink {
  public:
    explicit LimitedSink(int writes) : writesLeft_(writes) {}
    bool Write(const std::uint8_t* data, std::size_t size) override {
        ++calls;
        if (writesLeft_-- <= 0) return false;
        bytes.insert(bytes.end(), data, data + size);
        return true;
    }
    Bytes bytes;
    int calls = 0;

  private:
    int writesLeft_;
};

// Hands out its bytes at most `step` at a time; after `failAfter` bytes it reports an error.
class TrickleSource final : public platform::ByteSource {
  public:
    TrickleSource(Bytes bytes, std::size_t step, std::size_t failAfter = SIZE_MAX)
        : bytes_(std::move(bytes)), step_(step), failAfter_(failAfter) {}
    std::ptrdiff_t Read(std::uint8_t* into, std::size_t size) override {
        ++calls;
        if (given_ >= failAfter_) return -1;
        const std::size_t n = std::min({size, step_, bytes_.size() - given_, failAfter_ - given_});
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(given_), n, into);
        given_ += n;
        return static_cast<std::ptrdiff_t>(n);
    }
    int calls = 0;

  private:
    Bytes bytes_;
    std::size_t step_, failAfter_, given_ = 0;
};

// Counted texts as a document stores them, with values between: each text is `sizes[i]`
// copies of a letter.
Bytes CountedTexts(const std::vector<std::uint32_t>& sizes) {
    Bytes bytes;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(sizes[i] >> shift));
        bytes.insert(bytes.end(), sizes[i], static_cast<std::uint8_t>('a' + i));
        bytes.push_back(static_cast<std::uint8_t>(i));
    }
    return bytes;
}

// Reads what CountedTexts wrote; false at the first failed read.
bool ReadCountedTexts(ByteReader& in, std::vector<std::string>& texts) {
    for (std::uint32_t size = 0; in.Remaining() > 0;) {
        std::string_view text;
        std::uint8_t index = 0;
        // A view lasts until the next read.
        if (!in.ReadU32(size) || !in.ReadView(size, text)) return false;
        texts.emplace_back(text);
        if (!in.ReadU8(index) || index != texts.size() - 1) return false;
    }
    return true;
}

// --- Reader ------------------------------------------------------------------------------

TEST(ByteReaderTest, ReadsLittleEndianValues) {
    const Bytes bytes = {0x7F, 0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12,
                         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F};
    ByteReader in(bytes);
    std::uint8_t u8 = 0;
    std::int32_t i32 = 0;
    std::uint32_t u32 = 0;
    double f64 = 0;
    EXPECT_TRUE(in.ReadU8(u8));
    EXPECT_TRUE(in.ReadI32(i32));
    EXPECT_TRUE(in.ReadU32(u32));
    EXPECT_TRUE(in.ReadF64(f64));
    EXPECT_EQ(u8, 0x7F);
    EXPECT_EQ(i32, -2);
    EXPECT_EQ(u32, 0x12345678u);
    EXPECT_EQ(f64, 1.0);
    EXPECT_EQ(in.Position(), bytes.size());
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_FALSE(in.Failed());
}

TEST(ByteReaderTest, ShortReadFailsForGoodAndLeavesTheOutput) {
    const Bytes bytes = {1, 2, 3};
    ByteReader in(bytes);
    EXPECT_TRUE(in.Has(3));
    EXPECT_FALSE(in.Has(4));
    EXPECT_FALSE(in.Failed());  // asking is no failed read
    std::int32_t value = 77;
    EXPECT_FALSE(in.ReadI32(value));
    EXPECT_EQ(value, 77);
    EXPECT_TRUE(in.Failed());
    EXPECT_EQ(in.Position(), 0u);
    // Three bytes remain, but a failed reader stays failed.
    std::uint8_t byte = 9;
    EXPECT_FALSE(in.ReadU8(byte));
    EXPECT_EQ(byte, 9);
    EXPECT_FALSE(in.Has(1));
}

TEST(ByteReaderTest, RawBytesAreViewedWhereTheyLie) {
    const Bytes bytes = {'a', 0x00, 'b', 0xFF, 5, 6};
    ByteReader in(bytes);
    std::string_view text;
    EXPECT_TRUE(in.ReadView(4, text));
    EXPECT_EQ(text, std::string_view("a\0b\xFF", 4));
    EXPECT_EQ(static_cast<const void*>(text.data()), static_cast<const void*>(bytes.data()));
    std::array<std::uint8_t, 2> rest{};
    EXPECT_TRUE(in.ReadInto(rest));
    EXPECT_EQ(rest, (std::array<std::uint8_t, 2>{5, 6}));
    EXPECT_TRUE(in.ReadView(0, text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(in.Failed());
}

TEST(ByteReaderTest, ViewPastTheEndIsRefused) {
    const Bytes bytes = {1, 2, 3};
    for (const std::size_t count : {std::size_t{4}, static_cast<std::size_t>(-1)}) {
        ByteReader in(bytes);
        std::uint8_t first = 0;
        ASSERT_TRUE(in.ReadU8(first));
        const std::string_view kept = "kept";
        std::string_view text = kept;
        EXPECT_FALSE(in.ReadView(count, text)) << count;
        EXPECT_EQ(text.data(), kept.data());
        EXPECT_TRUE(in.Failed());
        EXPECT_EQ(in.Position(), 1u);
    }
}

TEST(ByteReaderTest, EmptyInput) {
    ByteReader in(std::span<const std::uint8_t>{});
    std::array<std::uint8_t, 0> none{};
    EXPECT_TRUE(in.ReadInto(none));
    double value = 3;
    EXPECT_FALSE(in.ReadF64(value));
    EXPECT_EQ(value, 3);
}

TEST(ByteReaderTest, ASourceReadInBlocksGivesWhatTheBytesInMemoryGive) {
    // Texts across block boundaries, one larger than a block, and one at the very end.
    const Bytes bytes = CountedTexts({5, 70000, 0, 300000, 17, 200000, 3});
    std::vector<std::string> expected;
    ByteReader whole(bytes);
    ASSERT_TRUE(ReadCountedTexts(whole, expected));
    for (const std::size_t step : {std::size_t{1} << 20, std::size_t{4093}, std::size_t{1}}) {
        TrickleSource source(bytes, step);
        ByteReader in(source, bytes.size());
        EXPECT_EQ(in.Remaining(), bytes.size());
        std::vector<std::string> texts;
        EXPECT_TRUE(ReadCountedTexts(in, texts)) << step;
        EXPECT_TRUE(texts == expected) << step;
        EXPECT_EQ(in.Position(), bytes.size());
        EXPECT_FALSE(in.Failed());
        std::uint8_t more = 0;
        EXPECT_FALSE(in.ReadU8(more));
    }
}

TEST(ByteReaderTest, ASourceIsReadAsNeededNotWhole) {
    const Bytes bytes(3 << 20, 0x11);
    TrickleSource source(bytes, SIZE_MAX);
    ByteReader in(source, bytes.size());
    std::uint32_t value = 0;
    ASSERT_TRUE(in.ReadU32(value));
    EXPECT_EQ(value, 0x11111111u);
    EXPECT_EQ(source.calls, 1);
    EXPECT_EQ(in.Remaining(), bytes.size() - 4);
}

TEST(ByteReaderTest, ACountBeyondTheSizeIsRefusedBeforeAnythingIsRead) {
    const Bytes bytes = CountedTexts({10});
    TrickleSource source(bytes, 1);
    ByteReader in(source, bytes.size());
    std::string_view text = "kept";
    EXPECT_FALSE(in.ReadView(bytes.size() + 1, text));
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(source.calls, 0);
    EXPECT_TRUE(in.Failed());
}

TEST(ByteReaderTest, ASourceThatEndsEarlyOrFailsFailsTheReadThatNeedsIt) {
    const Bytes bytes = CountedTexts({100, 200});
    for (const bool error : {false, true}) {
        // The source delivers the first text but not the second, ending or failing.
        const Bytes delivered(bytes.begin(), bytes.begin() + 150);
        TrickleSource source(error ? bytes : delivered, 7, error ? 150 : SIZE_MAX);
        ByteReader in(source, bytes.size());
        std::vector<std::string> texts;
        EXPECT_FALSE(ReadCountedTexts(in, texts)) << error;
        ASSERT_EQ(texts.size(), 1u) << error;
        EXPECT_EQ(texts[0], std::string(100, 'a'));
        EXPECT_TRUE(in.Failed());
        std::uint8_t byte = 9;
        EXPECT_FALSE(in.ReadU8(byte));
        EXPECT_EQ(byte, 9);
    }
}

// --- Writer ------------------------------------------------------------------------------

TEST(ByteWriterTest, WritesLittleEndianValues) {
    platform::VectorSink sink;
    ByteWriter out(sink);
    out.WriteU8(0xAB);
    out.WriteI32(-2);
    out.WriteU32(0x12345678);
    out.WriteF64(1.0);
    out.WriteBytes("xy", 2);
    EXPECT_FALSE(out.Failed());
    EXPECT_EQ(out.Written(), 19u);
    EXPECT_EQ(sink.bytes, (Bytes{0xAB, 0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12, 0x00, 0x00,
                                 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 'x', 'y'}));
}

TEST(ByteWriterTest, FirstFailureStopsEveryLaterWrite) {
    LimitedSink sink(1);
    ByteWriter out(sink);
    out.WriteI32(1);
    out.WriteI32(2);  // refused
    out.WriteI32(3);  // dropped without reaching the sink
    EXPECT_TRUE(out.Failed());
    EXPECT_EQ(out.Written(), 4u);
    EXPECT_EQ(sink.calls, 2);
    EXPECT_EQ(sink.bytes, (Bytes{1, 0, 0, 0}));
}

TEST(ByteWriterTest, EmptyWriteDoesNotReachTheSink) {
    LimitedSink sink(0);
    ByteWriter out(sink);
    out.WriteBytes("", 0);
    EXPECT_FALSE(out.Failed());
    EXPECT_EQ(sink.calls, 0);
}

// --- Buffered sink -----------------------------------------------------------------------

TEST(BufferedSinkTest, GathersWritesIntoBlocksAndPassesLargeOnesWhole) {
    LimitedSink file(100);
    ByteWriter target(file);
    platform::BufferedSink blocks(target, 5);
    ByteWriter out(blocks);
    out.WriteU8(1);
    out.WriteU8(2);
    out.WriteU8(3);
    EXPECT_EQ(file.calls, 0);
    out.WriteU32(0x07060504);  // does not fit: the three go first, then it waits
    EXPECT_EQ(file.bytes, (Bytes{1, 2, 3}));
    const std::uint8_t large[] = {8, 9, 10, 11, 12};
    out.WriteBytes(large, sizeof large);
    EXPECT_EQ(file.calls, 3);
    EXPECT_TRUE(blocks.Flush());
    EXPECT_EQ(file.bytes, (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_FALSE(out.Failed());
    EXPECT_EQ(target.Written(), 12u);
}

TEST(BufferedSinkTest, TargetFailureReachesTheWriter) {
    LimitedSink file(0);
    ByteWriter target(file);
    platform::BufferedSink blocks(target, 6);
    ByteWriter out(blocks);
    out.WriteU32(1);
    EXPECT_FALSE(out.Failed());  // still gathered
    out.WriteU32(2);             // no room: the first four go on, and are refused
    EXPECT_TRUE(out.Failed());
    EXPECT_FALSE(blocks.Flush());
    EXPECT_TRUE(target.Failed());
}

TEST(BufferedSinkTest, UnflushedBytesNeverArrive) {
    LimitedSink file(10);
    ByteWriter target(file);
    {
        platform::BufferedSink blocks(target);
        ByteWriter out(blocks);
        out.WriteU32(1);
    }
    EXPECT_EQ(file.calls, 0);
}

TEST(BufferedSinkTest, BytesMadeInItsRoomCountAsWritten) {
    LimitedSink file(100);
    ByteWriter target(file);
    platform::BufferedSink blocks(target, 6);
    ByteWriter out(blocks);
    out.WriteU8(1);
    EXPECT_EQ(out.Room(6), nullptr);  // only five are left
    std::uint8_t* room = out.Room(5);
    ASSERT_NE(room, nullptr);
    room[0] = 2;
    room[1] = 3;
    out.Filled(2);
    out.WriteU8(4);
    EXPECT_TRUE(blocks.Flush());
    EXPECT_EQ(file.bytes, (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(out.Written(), 4u);
    // A sink that does not buffer has no room, nor has a failed writer.
    platform::VectorSink memory;
    EXPECT_EQ(ByteWriter(memory).Room(1), nullptr);
    LimitedSink full(0);
    ByteWriter failing(full);
    platform::BufferedSink nowhere(failing, 2);
    ByteWriter failed(nowhere);
    failed.WriteU32(1);
    EXPECT_TRUE(failed.Failed());
    EXPECT_EQ(failed.Room(1), nullptr);
}

}  // namespace
