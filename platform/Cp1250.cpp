#include "platform/Cp1250.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

namespace platform {
namespace {

// Code points of the bytes 0x80..0xFF. The five bytes the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) stand for the control characters of the same value, so
// every byte survives a round trip through UTF-8.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The UTF-8 form of every byte: its length (1 to 3) and its bytes, padded to four so that
// each is stored with one fixed-size copy.
struct Utf8Sequence {
    std::array<char, 4> bytes;
    unsigned char length;
};

constexpr std::array<Utf8Sequence, 256> MakeDecodingTable() {
    std::array<Utf8Sequence, 256> table{};
    for (std::size_t b = 0; b < 0x80; ++b) table[b] = {{static_cast<char>(b), 0, 0, 0}, 1};
    for (std::size_t k = 0; k < kHighHalf.size(); ++k) {
        const char32_t cp = kHighHalf[k];
        if (cp < 0x800)
            table[0x80 + k] = {
                {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0, 0},
                2};
        else
            table[0x80 + k] = {
                {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (cp & 0x3F)), 0},
                3};
    }
    return table;
}

constexpr std::array<Utf8Sequence, 256> kDecoding = MakeDecodingTable();

constexpr std::uint64_t kHighBits = 0x8080808080808080;
constexpr std::uint64_t kOnes = 0x0101010101010101;

std::uint64_t LoadWord(const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Number of bytes below 0x80 at the start of a word that holds a higher one (little-endian:
// the first byte is the lowest).
std::size_t AsciiBytesBefore(std::uint64_t highBits) {
    return static_cast<std::size_t>(std::countr_zero(highBits)) / 8;
}

// Length of the leading run of bytes below 0x80, eight at a time: texts are mostly ASCII,
// and such a run is the same in both encodings.
std::size_t AsciiRun(const char* data, std::size_t size) {
    std::size_t n = 0;
    for (; n + 8 <= size; n += 8)
        if (const std::uint64_t high = LoadWord(data + n) & kHighBits; high != 0)
            return n + AsciiBytesBefore(high);
    while (n < size && static_cast<unsigned char>(data[n]) < 0x80) ++n;
    return n;
}

// Length of the leading run of bytes that are neither zero nor 0x80 and above. Most stored
// texts are such a run: one pass finds where they end.
std::size_t PlainRun(const char* data, std::size_t size) {
    std::size_t n = 0;
    for (; n + 8 <= size; n += 8) {
        const std::uint64_t word = LoadWord(data + n);
        // The lowest flagged byte is exact: a false zero flag only follows a true zero byte.
        const std::uint64_t stop = (word & kHighBits) | ((word - kOnes) & ~word & kHighBits);
        if (stop != 0) return n + AsciiBytesBefore(stop);
    }
    while (n < size && data[n] != '\0' && static_cast<unsigned char>(data[n]) < 0x80) ++n;
    return n;
}

// Decodes one UTF-8 sequence at text[i]; a malformed one yields U+FFFD and one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + extra >= text.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed too; decoding an
    // overlong form would smuggle in characters the text does not show.
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        ++i;
        return 0xFFFD;
    }
    i += extra + 1;
    return cp;
}

// NextCodePoint for a sequence that starts with a byte of 0x80 and above, with the two-byte
// sequences of the Polish letters decoded on the spot.
char32_t NextHighCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xC2 && lead < 0xE0 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if ((next & 0xC0) == 0x80) {
            i += 2;
            return static_cast<char32_t>((lead & 0x1F) << 6 | (next & 0x3F));
        }
    }
    return NextCodePoint(text, i);
}

// The code page's byte for each code point up to the highest one it holds (U+2122); 0 where
// it has none. Saving a document encodes every character, so this is a table, not a search.
constexpr char32_t kHighestCodePoint = 0x2122;
using EncodingTable = std::array<unsigned char, kHighestCodePoint + 1>;

constexpr EncodingTable MakeEncodingTable() {
    EncodingTable table{};
    for (std::size_t k = 0; k < kHighHalf.size(); ++k)
        table[kHighHalf[k]] = static_cast<unsigned char>(0x80 + k);
    return table;
}

constexpr EncodingTable kEncoding = MakeEncodingTable();

char EncodeCodePoint(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp > kHighestCodePoint || kEncoding[cp] == 0) return '?';
    return static_cast<char>(kEncoding[cp]);
}

// Copies the input eight bytes at a time from `i` to `at`: a word is stored whole, then only
// its ASCII bytes before the first high byte count, and `convert` takes that byte (moving `i`
// and `at` past what it reads and writes). Ends when fewer than eight bytes are left.
template <class Convert>
void CopyAsciiWords(const char* in, std::size_t size, std::size_t& i, char*& at,
                    Convert&& convert) {
    while (i + 8 <= size) {
        const std::uint64_t word = LoadWord(in + i);
        std::memcpy(at, &word, sizeof word);
        const std::uint64_t high = word & kHighBits;
        if (high == 0) {
            i += 8;
            at += 8;
            continue;
        }
        const std::size_t run = AsciiBytesBefore(high);
        i += run;
        at += run;
        convert();
    }
}

// Decodes bytes whose first `ascii` bytes are known to be below 0x80. The text is made anew
// and moved in rather than assigned: a load fills empty texts, which assigning would take a
// general, slower path for.
void DecodeAfterAscii(std::string_view bytes, std::size_t ascii, std::string& out) {
    const char* const in = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t i = ascii;
    if (i == size) {
        out = std::string(bytes);
        return;
    }
    // Decoded into a buffer large enough for three bytes a byte (and the padding of the last
    // copy), then copied: one pass, and the text takes exactly the storage it needs.
    constexpr std::size_t kOnStack = 256;
    std::array<char, 3 * kOnStack + 8> onStack;
    std::unique_ptr<char[]> onHeap(size > kOnStack ? new char[3 * size + 8] : nullptr);
    char* const buffer = onHeap ? onHeap.get() : onStack.data();
    std::memcpy(buffer, in, i);
    char* at = buffer + i;
    const auto decodeOne = [&] {
        const Utf8Sequence& sequence = kDecoding[static_cast<unsigned char>(in[i++])];
        std::memcpy(at, sequence.bytes.data(), sequence.bytes.size());
        at += sequence.length;
    };
    // The output has room for the words copied: it is never shorter than the input so far.
    CopyAsciiWords(in, size, i, at, decodeOne);
    while (i < size) decodeOne();
    out = std::string(buffer, static_cast<std::size_t>(at - buffer));
}

}  // namespace

void Cp1250ToUtf8UpToZero(std::string_view bytes, std::string& out) {
    const char* const in = bytes.data();
    const std::size_t size = bytes.size();
    const std::size_t plain = PlainRun(in, size);
    if (plain == size || in[plain] == '\0') {
        out = std::string(in, plain);
        return;
    }
    // A high byte came first; a zero byte may still follow it.
    const void* zero = std::memchr(in + plain, 0, size - plain);
    const std::size_t end =
        zero == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(zero) - in);
    DecodeAfterAscii(bytes.substr(0, end), plain, out);
}

std::string Cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    DecodeAfterAscii(bytes, AsciiRun(bytes.data(), bytes.size()), out);
    return out;
}

std::size_t Utf8ToCp1250(std::string_view text, char* out) {
    const char* const in = text.data();
    const std::size_t size = text.size();
    char* at = out;
    std::size_t i = 0;
    // The output never runs ahead of the input, so each word copied fits.
    CopyAsciiWords(in, size, i, at, [&] { *at++ = EncodeCodePoint(NextHighCodePoint(text, i)); });
    while (i < size) {
        if (static_cast<unsigned char>(in[i]) < 0x80)
            *at++ = in[i++];
        else
            *at++ = EncodeCodePoint(NextHighCodePoint(text, i));
    }
    return static_cast<std::size_t>(at - out);
}

std::string Utf8ToCp1250(std::string_view text) {
    std::string out(text.size(), '\0');
    out.resize(Utf8ToCp1250(text, out.data()));
    return out;
}

std::size_t Cp1250Length(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t ascii = AsciiRun(text.data() + i, text.size() - i);
        n += ascii;
        i += ascii;
        if (i < text.size()) {
            NextCodePoint(text, i);
            ++n;
        }
    }
    return n;
}

}  // namespace platform
