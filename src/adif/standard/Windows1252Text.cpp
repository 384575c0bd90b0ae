#include "adif/standard/Windows1252Text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace Conversion {

namespace {

// Bytes 0x80 to 0xFF: the ASCII a reader of the name would write.
constexpr std::array<std::string_view, 128> kAsciiHigh = {
    // 0x80
    "EUR",
    "",
    ",",
    "f",
    ",,",
    "...",
    "+",
    "++",
    "^",
    "%o",
    "S",
    "<",
    "OE",
    "",
    "Z",
    "",
    // 0x90
    "",
    "'",
    "'",
    "\"",
    "\"",
    "*",
    "-",
    "-",
    "~",
    "TM",
    "s",
    ">",
    "oe",
    "",
    "z",
    "Y",
    // 0xA0
    " ",
    "!",
    "c",
    "GBP",
    "",
    "JPY",
    "|",
    "S",
    "\"",
    "(c)",
    "a",
    "<<",
    "!",
    "-",
    "(R)",
    "-",
    // 0xB0
    "deg",
    "+-",
    "2",
    "3",
    "'",
    "u",
    "P",
    ".",
    ",",
    "1",
    "o",
    ">>",
    "1/4",
    "1/2",
    "3/4",
    "?",
    // 0xC0
    "A",
    "A",
    "A",
    "A",
    "A",
    "A",
    "AE",
    "C",
    "E",
    "E",
    "E",
    "E",
    "I",
    "I",
    "I",
    "I",
    // 0xD0
    "D",
    "N",
    "O",
    "O",
    "O",
    "O",
    "O",
    "x",
    "O",
    "U",
    "U",
    "U",
    "U",
    "Y",
    "TH",
    "ss",
    // 0xE0
    "a",
    "a",
    "a",
    "a",
    "a",
    "a",
    "ae",
    "c",
    "e",
    "e",
    "e",
    "e",
    "i",
    "i",
    "i",
    "i",
    // 0xF0
    "d",
    "n",
    "o",
    "o",
    "o",
    "o",
    "o",
    "/",
    "o",
    "u",
    "u",
    "u",
    "u",
    "y",
    "th",
    "y",
};

constexpr char32_t kUnassigned = 0xFFFD;

// Where Windows-1252 departs from Latin-1: bytes 0x80 to 0x9F.
constexpr std::array<char32_t, 32> kUnicodeHigh = {
    0x20AC,      kUnassigned, 0x201A, 0x0192, 0x201E, 0x2026,      0x2020, 0x2021,
    0x02C6,      0x2030,      0x0160, 0x2039, 0x0152, kUnassigned, 0x017D, kUnassigned,
    kUnassigned, 0x2018,      0x2019, 0x201C, 0x201D, 0x2022,      0x2013, 0x2014,
    0x02DC,      0x2122,      0x0161, 0x203A, 0x0153, kUnassigned, 0x017E, 0x0178,
};

constexpr bool IsPrintableAscii(unsigned char byte)
{
    return byte >= 0x20 && byte < 0x7F;
}

// What one byte becomes: `size` characters of `text`. Eight bytes in all, so
// that a byte's place in a table is found by a shift.
struct alignas(8) ByteText
{
    std::array<char, 4> text;
    std::uint8_t size;
};
using ByteTexts = std::array<ByteText, 256>;

// Each byte's text copied from `texts`: four characters stored at once and
// `size` of them kept, which needs room for four characters per byte.
char* AppendByteTexts(char* out, std::string_view bytes, const ByteTexts& texts)
{
    for (const char c : bytes) {
        const ByteText& byteText = texts[static_cast<unsigned char>(c)];
        std::memcpy(out, byteText.text.data(), byteText.text.size());
        out += byteText.size;
    }
    return out;
}

constexpr ByteText TextOf(std::string_view text)
{
    ByteText byteText{};
    for (std::size_t i = 0; i < text.size(); ++i)
        byteText.text[i] = text[i];
    byteText.size = static_cast<std::uint8_t>(text.size());
    return byteText;
}

// AsciiFor of every byte.
constexpr ByteTexts AsciiTexts()
{
    ByteTexts texts{};
    for (std::size_t byte = 0; byte < texts.size(); ++byte) {
        const char c = static_cast<char>(byte);
        texts[byte] = byte >= 0x80             ? TextOf(kAsciiHigh[byte - 0x80])
                      : IsPrintableAscii(byte) ? TextOf({&c, 1})
                                               : TextOf({});
    }
    return texts;
}
constexpr ByteTexts kAsciiTexts = AsciiTexts();

// EscapedBytes of every byte, the double quote as it is or escaped.
constexpr ByteTexts EscapedTexts(Quotes quotes)
{
    constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    ByteTexts texts{};
    for (std::size_t byte = 0; byte < texts.size(); ++byte) {
        const char c = static_cast<char>(byte);
        const bool plain = IsPrintableAscii(static_cast<unsigned char>(byte)) && c != '\\' &&
                           (quotes == Quotes::AsTheyAre || c != '"');
        const std::array<char, 4> escaped{'\\', 'x', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
        texts[byte] = plain ? TextOf({&c, 1}) : TextOf({escaped.data(), escaped.size()});
    }
    return texts;
}
constexpr ByteTexts kEscapedTexts = EscapedTexts(Quotes::AsTheyAre);
constexpr ByteTexts kQuoteEscapedTexts = EscapedTexts(Quotes::Escaped);

void AppendUtf8(std::string& text, char32_t character)
{
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

} // namespace

char* AppendAsciiFor(char* out, std::string_view bytes)
{
    return AppendByteTexts(out, bytes, kAsciiTexts);
}

char32_t UnicodeFor(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kUnicodeHigh[byte - 0x80] : char32_t{byte};
}

std::string Utf8FromWindows1252(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size() * 3);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t character = UnicodeFor(byte);
        if (byte >= 0x20 && byte != 0x7F && character != kUnassigned)
            AppendUtf8(utf8, character);
    }
    return utf8;
}

char* AppendEscapedBytes(char* out, std::string_view bytes, Quotes quotes)
{
    const bool escapeQuotes = quotes == Quotes::Escaped;
    // Most values are eight to sixteen plain bytes: two looks at eight of them,
    // which overlap, find nothing to escape, and the value is copied whole.
    if (bytes.size() >= 8 && bytes.size() <= 16) {
        constexpr std::uint64_t kOnes = 0x0101010101010101;
        constexpr std::uint64_t kTopBits = 0x8080808080808080;
        // The top bit of each byte of `word` that is `c`.
        const auto marks = [](std::uint64_t word, char c) {
            const std::uint64_t x = word ^ (static_cast<std::uint64_t>(c) * kOnes);
            return (x - kOnes) & ~x & kTopBits;
        };
        const auto escapes = [&](const char* eight) {
            std::uint64_t word = 0;
            std::memcpy(&word, eight, sizeof word);
            return NotPlainAsciiMarks8(eight) | marks(word, '\\') |
                   (escapeQuotes ? marks(word, '"') : 0);
        };
        if ((escapes(bytes.data()) | escapes(bytes.data() + bytes.size() - 8)) == 0) {
            std::memcpy(out, bytes.data(), 8);
            std::memcpy(out + bytes.size() - 8, bytes.data() + bytes.size() - 8, 8);
            return out + bytes.size();
        }
    }
    return AppendByteTexts(out, bytes, escapeQuotes ? kQuoteEscapedTexts : kEscapedTexts);
}

std::string EscapedBytes(std::string_view bytes)
{
    std::string escaped(bytes.size() * 4, '\0');
    escaped.resize(
        static_cast<std::size_t>(AppendEscapedBytes(escaped.data(), bytes) - escaped.data()));
    return escaped;
}

} // namespace Conversion
