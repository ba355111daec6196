#include <gtest/gtest.h>

#include <string>

#include "platform/Cp1250.h"

namespace {

using platform::Cp1250Length;
using platform::Cp1250ToUtf8;
using platform::Utf8ToCp1250;

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

TEST(Cp1250Test, EveryByteSurvivesTheRoundTrip) {
    const std::string bytes = AllBytes();
    const std::string text = Cp1250ToUtf8(bytes);
    EXPECT_EQ(Utf8ToCp1250(text), bytes);
    EXPECT_EQ(Cp1250Length(text), 256u);
}

TEST(Cp1250Test, PolishLetters) {
    const std::string letters = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    const std::string bytes =
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    EXPECT_EQ(Utf8ToCp1250(letters), bytes);
    EXPECT_EQ(Cp1250ToUtf8(bytes), letters);
    EXPECT_EQ(Cp1250Length(letters), 18u);
    EXPECT_EQ(Cp1250Length("Kartkówka"), 9u);
}

TEST(Cp1250Test, OtherMappedCharacters) {
    EXPECT_EQ(Cp1250ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1250ToUtf8("\x84\x93\x94\x96\x97"), "„“”–—");
    EXPECT_EQ(Cp1250ToUtf8("\xA0"), "\xC2\xA0");  // no-break space
    EXPECT_EQ(Utf8ToCp1250("äöü§°"), "\xE4\xF6\xFC\xA7\xB0");
    EXPECT_EQ(Utf8ToCp1250("plain ASCII\r\n\t"), "plain ASCII\r\n\t");
}

TEST(Cp1250Test, UndefinedBytesMapToControlCharactersOfTheSameValue) {
    for (const unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98}) {
        const std::string byte(1, static_cast<char>(b));
        const std::string expected = {static_cast<char>(0xC2), static_cast<char>(b)};
        EXPECT_EQ(Cp1250ToUtf8(byte), expected) << int(b);
        EXPECT_EQ(Utf8ToCp1250(expected), byte) << int(b);
    }
}

TEST(Cp1250Test, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1250("ñ"), "?");
    EXPECT_EQ(Utf8ToCp1250("日本語"), "???");
    EXPECT_EQ(Utf8ToCp1250("a😀b"), "a?b");
    EXPECT_EQ(Utf8ToCp1250("\xC2\x85"), "?");  // a C1 control the code page does not keep
    EXPECT_EQ(Cp1250Length("a😀b"), 3u);
}

TEST(Cp1250Test, MalformedUtf8BecomesOneQuestionMarkPerByte) {
    struct Case {
        const char* text;
        const char* bytes;
    };
    const Case cases[] = {
        {"\x80", "?"},                 // a continuation byte alone
        {"a\xC5", "a?"},               // cut short at the end
        {"\xC5z", "?z"},               // cut short by an ASCII byte
        {"\xE2\x82", "??"},            // three-byte form cut short
        {"\xC0\xAF", "??"},            // overlong "/"
        {"\xC1\x81", "??"},            // overlong "A"
        {"\xE0\x80\xAF", "???"},       // overlong three-byte "/"
        {"\xED\xA0\x80", "???"},       // a surrogate
        {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
        {"\xFF\xFE", "??"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp1250(c.text), c.bytes) << c.text;
        EXPECT_EQ(Cp1250Length(c.text), std::string(c.bytes).size()) << c.text;
    }
}

// The single-byte reference both directions must agree with, whatever runs they take.
std::string DecodeByteByByte(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) text += Cp1250ToUtf8(std::string(1, c));
    return text;
}

TEST(Cp1250Test, AsciiRunsOfEveryLengthAroundAHighByteAtEveryPlace) {
    // Runs of 0..19 bytes cross the eight-byte steps at every offset.
    for (std::size_t before = 0; before < 20; ++before)
        for (std::size_t after = 0; after < 20; ++after) {
            const std::string bytes =
                std::string(before, 'a') + "\xB3" + std::string(after, 'z');  // "ł"
            const std::string text = std::string(before, 'a') + "ł" + std::string(after, 'z');
            EXPECT_EQ(Cp1250ToUtf8(bytes), text) << before << " " << after;
            EXPECT_EQ(Utf8ToCp1250(text), bytes) << before << " " << after;
        }
}

TEST(Cp1250Test, PlainAsciiPassesUnchangedAtEveryLength) {
    std::string ascii;
    for (int n = 0; n < 40; ++n) {
        EXPECT_EQ(Cp1250ToUtf8(ascii), ascii);
        EXPECT_EQ(Utf8ToCp1250(ascii), ascii);
        EXPECT_EQ(Cp1250Length(ascii), ascii.size());
        ascii += static_cast<char>(n * 3 % 0x80);  // control characters and zero bytes too
    }
}

TEST(Cp1250Test, MixedTextMatchesTheByteByByteConversion) {
    const std::string bytes = AllBytes() +
                              "Zadania 1\x96"
                              "5, Rozdzia\xB3 3.\r\n" +
                              AllBytes() + std::string(300, 'x') + "\x80\x81\xFF" +
                              std::string(9, '\xE6');
    const std::string text = Cp1250ToUtf8(bytes);
    EXPECT_EQ(text, DecodeByteByByte(bytes));
    EXPECT_EQ(Utf8ToCp1250(text), bytes);
    EXPECT_EQ(Cp1250Length(text), bytes.size());
}

TEST(Cp1250Test, EveryHighByteAtEveryOffsetOfAWord) {
    for (int b = 0x80; b < 0x100; ++b)
        for (std::size_t offset = 0; offset < 9; ++offset) {
            std::string bytes = std::string(offset, '.') + static_cast<char>(b) + "........";
            const std::string text = Cp1250ToUtf8(bytes);
            EXPECT_EQ(text, DecodeByteByByte(bytes)) << b << " " << offset;
            EXPECT_EQ(Utf8ToCp1250(text), bytes) << b << " " << offset;
        }
}

TEST(Cp1250Test, MalformedUtf8InsideLongAsciiRuns) {
    const std::string run(11, 'r');
    EXPECT_EQ(Utf8ToCp1250(run + "\xC5" + run), run + "?" + run);
    EXPECT_EQ(Utf8ToCp1250(run + "\xE2\x82" + run + "\xF0"), run + "??" + run + "?");
    EXPECT_EQ(Utf8ToCp1250(run + "\xC0\xAF" + run), run + "??" + run);
    EXPECT_EQ(Utf8ToCp1250(run + "😀" + run + "ą"), run + "?" + run + "\xB9");
}

TEST(Cp1250Test, AStoredTextIsDecodedUpToItsFirstZeroByteIntoTheText) {
    using platform::Cp1250ToUtf8UpToZero;
    std::string out = std::string(100, '#');
    Cp1250ToUtf8UpToZero("Kartk\xF3wka", out);
    EXPECT_EQ(out, "Kartkówka");
    Cp1250ToUtf8UpToZero("abc", out);
    EXPECT_EQ(out, "abc");
    Cp1250ToUtf8UpToZero("", out);
    EXPECT_EQ(out, "");
    const std::string longText = std::string(1000, '\xB3');
    Cp1250ToUtf8UpToZero(longText, out);
    EXPECT_EQ(out, DecodeByteByByte(longText));
    // The zero byte at every place of texts shorter and longer than a word, before and after
    // a high byte, and a byte after the zero that looks like one to a word-wide test.
    for (const std::string& text : {std::string("ab\xB9"), std::string("Zadanie \xB3\xF3"
                                                                       "dka 12")}) {
        for (std::size_t at = 0; at <= text.size(); ++at) {
            const std::string stored = text.substr(0, at) + '\0' + "\x01" + text.substr(at);
            Cp1250ToUtf8UpToZero(stored, out);
            EXPECT_EQ(out, DecodeByteByByte(text.substr(0, at))) << at;
        }
    }

    // The buffer holds as many bytes as the UTF-8 text; only the count returned is written.
    const std::string text = "Żółw i ąę";
    std::string bytes(text.size(), '#');
    bytes.resize(platform::Utf8ToCp1250(text, bytes.data()));
    EXPECT_EQ(bytes, "\xAF\xF3\xB3w i \xB9\xEA");
}

TEST(Cp1250Test, EmptyText) {
    EXPECT_EQ(Cp1250ToUtf8(""), "");
    EXPECT_EQ(Utf8ToCp1250(""), "");
    EXPECT_EQ(Cp1250Length(""), 0u);
}

}  // namespace
