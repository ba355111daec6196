#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/Strings.h"
#include "platform/Cp1250.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Written(const std::string& text) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    EXPECT_EQ(TClStreamWriteString(out, text), 0);
    EXPECT_FALSE(out.Failed());
    return sink.bytes;
}

class FailingSink final : public platform::ByteSink {
  public:
    bool Write(const std::uint8_t*, std::size_t) override { return false; }
};

// --- Writing -----------------------------------------------------------------------------

TEST(StringWriteTest, CountThenBytes) {
    EXPECT_EQ(Written(""), (Bytes{0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(TClStreamStringSize(""), 4u);
    EXPECT_EQ(Written("abc"), (Bytes{0x03, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63}));
    EXPECT_EQ(TClStreamStringSize("abc"), 7u);
    const Bytes long300 = Written(std::string(300, 'x'));
    ASSERT_EQ(long300.size(), 304u);
    EXPECT_EQ((Bytes{long300.begin(), long300.begin() + 4}), (Bytes{0x2C, 0x01, 0x00, 0x00}));
}

TEST(StringWriteTest, PolishLettersTakeOneCodePageByteEach) {
    EXPECT_EQ(Written("Kartkówka"),
              (Bytes{0x09, 0x00, 0x00, 0x00, 'K', 'a', 'r', 't', 'k', 0xF3, 'w', 'k', 'a'}));
    EXPECT_EQ(TClStreamStringSize("Kartkówka"), 13u);
    EXPECT_EQ(Written("zażółć"), (Bytes{0x06, 0, 0, 0, 'z', 'a', 0xBF, 0xF3, 0xB3, 0xE6}));
}

TEST(StringWriteTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Written("日本"), (Bytes{0x02, 0, 0, 0, '?', '?'}));
    EXPECT_EQ(TClStreamStringSize("日本"), 6u);
    EXPECT_EQ(TClStreamStringSize("\xF0\x9F\x98\x80"), 5u);  // one emoji, one "?"
}

TEST(StringWriteTest, TextsEncodedInABufferingSinksRoomAreTheSameBytes) {
    const std::vector<std::string> texts = {"",
                                            "abc",
                                            "Kartkówka",
                                            "zażółć gęślą jaźń",
                                            "日本",
                                            std::string(300, 'x') + "ą",
                                            std::string(20, 'y')};
    platform::VectorSink file;
    platform::ByteWriter target(file);
    // Small enough that some texts fit its room and others go on whole.
    platform::BufferedSink blocks(target, 64);
    platform::ByteWriter out(blocks);
    Bytes expected;
    for (const std::string& text : texts) {
        EXPECT_EQ(TClStreamWriteString(out, text), 0);
        const Bytes alone = Written(text);
        expected.insert(expected.end(), alone.begin(), alone.end());
    }
    EXPECT_TRUE(blocks.Flush());
    EXPECT_EQ(file.bytes, expected);
    EXPECT_EQ(out.Written(), expected.size());
}

TEST(StringWriteTest, FailedSinkShowsInTheWriter) {
    FailingSink sink;
    platform::ByteWriter out(sink);
    EXPECT_EQ(TClStreamWriteString(out, "abc"), 0);
    EXPECT_TRUE(out.Failed());
}

// --- Reading -----------------------------------------------------------------------------

TEST(StringReadTest, ReadsTheTextAndStopsAfterIt) {
    const Bytes bytes = {0x03, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63, 0x00, 0x00, 0x00, 0x00};
    platform::ByteReader in(bytes);
    std::string text = "old";
    EXPECT_EQ(TClStreamReadString(in, text), 0);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(in.Position(), 7u);
    EXPECT_EQ(TClStreamReadString(in, text), 0);  // an empty text replaces the old one
    EXPECT_EQ(text, "");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(StringReadTest, CodePageBytesBecomeUtf8) {
    const Bytes bytes = {0x09, 0, 0, 0, 'K', 'a', 'r', 't', 'k', 0xF3, 'w', 'k', 'a'};
    platform::ByteReader in(bytes);
    std::string text;
    EXPECT_EQ(TClStreamReadString(in, text), 0);
    EXPECT_EQ(text, "Kartkówka");
}

TEST(StringReadTest, TextEndsAtTheFirstZeroByte) {
    const Bytes bytes = {0x05, 0, 0, 0, 'a', 'b', 0x00, 'c', 'd', 'Z'};
    platform::ByteReader in(bytes);
    std::string text;
    EXPECT_EQ(TClStreamReadString(in, text), 0);
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(in.Position(), 9u);  // all five counted bytes are consumed
}

TEST(StringReadTest, TagIsComparedAsTheDecodedTextWouldBe) {
    const Bytes bytes = {3,   0,    0,   0,   'D', 'A', 'Y', 4, 0, 0,    0, 'D', 'A', 'Y', 0x00,
                         3,   0,    0,   0,   'D', 'A', 'X', 9, 0, 0,    0, 'K', 'a', 'r', 't',
                         'k', 0xF3, 'w', 'k', 'a', 1,   0,   0, 0, 0xF3, 2, 0,   0};
    platform::ByteReader in(bytes);
    EXPECT_EQ(TClStreamReadTag(in, "DAY"), 0);
    EXPECT_EQ(TClStreamReadTag(in, "DAY"), 0);  // the zero byte ends the stored text
    EXPECT_EQ(TClStreamReadTag(in, "DAY"), 1);
    EXPECT_EQ(TClStreamReadTag(in, "Kartkówka"), 0);
    EXPECT_EQ(TClStreamReadTag(in, "\xF3"), 1);  // the raw byte is not the decoded text
    EXPECT_EQ(TClStreamReadTag(in, "DAY"), -1);
}

TEST(StringReadTest, ZeroByteIsFoundAtEveryPlaceOfALongText) {
    for (std::size_t zero = 0; zero < 20; ++zero) {
        Bytes bytes = {20, 0, 0, 0};
        for (std::size_t i = 0; i < 20; ++i)
            bytes.push_back(i == zero ? 0x00 : static_cast<std::uint8_t>(i % 2 ? 'x' : 0x80 + i));
        platform::ByteReader in(bytes);
        std::string text;
        EXPECT_EQ(TClStreamReadString(in, text), 0);
        EXPECT_EQ(platform::Cp1250Length(text), zero);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(StringReadTest, EveryNonZeroByteSurvivesReadAndWrite) {
    Bytes bytes = {0xFF, 0, 0, 0};
    for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<std::uint8_t>(b));
    platform::ByteReader in(bytes);
    std::string text;
    ASSERT_EQ(TClStreamReadString(in, text), 0);
    EXPECT_EQ(TClStreamStringSize(text), 259u);
    EXPECT_EQ(Written(text), bytes);
}

TEST(StringReadTest, TruncatedDataIsRefusedAndTheTextKept) {
    const Bytes whole = {0x03, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63};
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        platform::ByteReader in(part);
        std::string text = "kept";
        EXPECT_EQ(TClStreamReadString(in, text), -1) << size;
        EXPECT_EQ(text, "kept");
        EXPECT_TRUE(in.Failed());
    }
}

TEST(StringReadTest, HugeCountIsRefusedBeforeAllocating) {
    const Bytes bytes = {0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'};
    platform::ByteReader in(bytes);
    std::string text = "kept";
    EXPECT_EQ(TClStreamReadString(in, text), -1);
    EXPECT_EQ(text, "kept");
}

TEST(StringReadTest, CountOnePastTheEndIsRefusedAndATextEndingTheDataIsRead) {
    Bytes bytes = {0x04, 0, 0, 0, 'a', 0xB3, 'c'};
    {
        platform::ByteReader in(bytes);
        std::string text = "kept";
        EXPECT_EQ(TClStreamReadString(in, text), -1);
        EXPECT_EQ(text, "kept");
    }
    bytes.push_back(0xE6);
    platform::ByteReader in(bytes);
    std::string text;
    EXPECT_EQ(TClStreamReadString(in, text), 0);
    EXPECT_EQ(text, "ałcć");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(StringReadTest, LongTextsRoundTripInBothDirections) {
    // Longer than any short-text buffer, with code-page letters across it.
    std::string text;
    for (int i = 0; i < 200; ++i) text += "Zażółć gęślą jaźń ";
    const Bytes written = Written(text);
    ASSERT_EQ(written.size(), 4u + 200 * 18);
    platform::ByteReader in(written);
    std::string read;
    EXPECT_EQ(TClStreamReadString(in, read), 0);
    EXPECT_EQ(read, text);
}

// --- Comparing ---------------------------------------------------------------------------

TEST(StringsEqualTest, ExactBytesOnly) {
    EXPECT_TRUE(TClStringsEqual("", ""));
    EXPECT_TRUE(TClStringsEqual("Sprawdzian", "Sprawdzian"));
    EXPECT_FALSE(TClStringsEqual("DAY", "day"));
    EXPECT_FALSE(TClStringsEqual("Łódź", "łódź"));
    EXPECT_FALSE(TClStringsEqual("abc", "abc "));
    EXPECT_FALSE(TClStringsEqual("", " "));
}

}  // namespace
