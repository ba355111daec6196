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

TEST(Cp1250Test, EmptyText) {
    EXPECT_EQ(Cp1250ToUtf8(""), "");
    EXPECT_EQ(Utf8ToCp1250(""), "");
    EXPECT_EQ(Cp1250Length(""), 0u);
}

}  // namespace
