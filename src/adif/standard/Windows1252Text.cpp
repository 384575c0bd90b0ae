#include "adif/standard/Windows1252Text.h"

#include <array>

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

bool IsPrintableAscii(char c)
{
    return c >= 0x20 && c < 0x7F;
}

std::string AsciiFor(std::string_view bytes)
{
    std::string ascii;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
            ascii += kAsciiHigh[byte - 0x80];
        else if (IsPrintableAscii(c))
            ascii += c;
    }
    return ascii;
}

char32_t UnicodeFor(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kUnicodeHigh[byte - 0x80] : char32_t{byte};
}

std::string Utf8FromWindows1252(std::string_view text)
{
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t character = UnicodeFor(byte);
        if (byte >= 0x20 && byte != 0x7F && character != kUnassigned)
            AppendUtf8(utf8, character);
    }
    return utf8;
}

std::string EscapedBytes(std::string_view bytes, EscapedFor use)
{
    constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    const std::string_view forbidden = use == EscapedFor::AdifValue ? "\\<>" : "\\\"";
    std::string escaped;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsPrintableAscii(c) && forbidden.find(c) == std::string_view::npos) {
            escaped += c;
        } else {
            escaped += "\\x";
            escaped += kHexDigits[byte >> 4];
            escaped += kHexDigits[byte & 0xF];
        }
    }
    return escaped;
}

} // namespace Conversion
