#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Record bytes are Windows-1252 text. What the standard forms make of them:
// plain ASCII for ADI, UTF-8 for ADX, and an escaped form that keeps every
// byte while staying ASCII.
namespace Conversion {

// What one byte becomes in plain ASCII: itself for 32 to 126, a letter
// without its accent or a close look-alike for the rest of Windows-1252
// ("u" for 0xFC, "ss" for 0xDF, "EUR" for 0x80), nothing for control bytes
// and the five codes Windows-1252 leaves unassigned.
std::string_view AsciiFor(unsigned char byte);

// The longest text AsciiFor gives for one byte.
inline constexpr std::size_t kLongestAsciiFor = 3;

// The Unicode character of a Windows-1252 byte; 0xFFFD for unassigned codes.
char32_t UnicodeFor(unsigned char byte);

// Windows-1252 text as UTF-8; control bytes and unassigned codes left out,
// as XML cannot hold them.
std::string Utf8FromWindows1252(std::string_view text);

// Every byte kept, the text ASCII 32 to 126: a byte outside that range, and
// the backslash itself, becomes \xNN.
std::string EscapedBytes(std::string_view bytes);
// Writes EscapedBytes at `out` (room for 4 bytes per byte); returns the end.
char* AppendEscapedBytes(char* out, std::string_view bytes);

} // namespace Conversion
