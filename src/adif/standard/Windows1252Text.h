#pragma once

#include "adif/standard/ByteWord.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Record bytes are Windows-1252 text. What the standard forms make of them:
// plain ASCII for ADI, UTF-8 for ADX, and an escaped form that keeps every
// byte while staying ASCII.
namespace Conversion {

// The eight bytes at `bytes` with the top bit of each that is not ASCII 32
// to 126 set, and every other bit clear. Marks of several words can be
// gathered with | and looked at once.
inline std::uint64_t NotPlainAsciiMarks8(const char* bytes)
{
    constexpr std::uint64_t kSpaces = WordOf("        ");
    constexpr std::uint64_t kTildes = WordOf("~~~~~~~~");
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word); // each byte is looked at alone: any order will do
    return OutsideMarks(word, kSpaces, kTildes);
}

// Whether the eight bytes at `bytes` are all ASCII 32 to 126.
inline bool ArePlainAscii8(const char* bytes)
{
    return NotPlainAsciiMarks8(bytes) == 0;
}

// The room AppendAsciiFor needs per byte: the longest text a byte becomes is
// three characters, and each is copied four at a time.
inline constexpr std::size_t kAsciiForRoom = 4;

// `bytes` in plain ASCII, written at `out`, which has room for kAsciiForRoom
// bytes per byte; returns the end. ASCII 32 to 126 stays itself, the rest of
// Windows-1252 becomes a letter without its accent or a close look-alike ("u"
// for 0xFC, "ss" for 0xDF, "EUR" for 0x80), and control bytes and the five
// codes Windows-1252 leaves unassigned are left out.
char* AppendAsciiFor(char* out, std::string_view bytes);

// The Unicode character of a Windows-1252 byte; 0xFFFD for unassigned codes.
char32_t UnicodeFor(unsigned char byte);

// Windows-1252 text as UTF-8; control bytes and unassigned codes left out,
// as XML cannot hold them.
std::string Utf8FromWindows1252(std::string_view text);

// Every byte kept, the text ASCII 32 to 126: a byte outside that range, and
// the backslash itself, becomes \xNN.
std::string EscapedBytes(std::string_view bytes);
// Whether EscapedBytes leaves the double quote as it is or escapes it too,
// where the end of a quoted value must never be in doubt.
enum class Quotes { AsTheyAre, Escaped };
// Writes EscapedBytes at `out` (room for 4 bytes per byte); returns the end.
char* AppendEscapedBytes(char* out, std::string_view bytes, Quotes quotes = Quotes::AsTheyAre);

} // namespace Conversion
