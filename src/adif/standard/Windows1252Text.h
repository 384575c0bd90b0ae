#pragma once

#include <string>
#include <string_view>

// Record bytes are Windows-1252 text. What the standard forms make of them:
// plain ASCII for ADI, UTF-8 for ADX, and an escaped form that keeps every
// byte while staying ASCII.
namespace Conversion {

// Whether the byte is ASCII 32 to 126, all that an ADI text field may hold.
bool IsPrintableAscii(char c);

// `bytes` in plain ASCII: ASCII 32 to 126 stays itself, the rest of
// Windows-1252 becomes a letter without its accent or a close look-alike ("u"
// for 0xFC, "ss" for 0xDF, "EUR" for 0x80), and control bytes and the five
// codes Windows-1252 leaves unassigned are left out.
std::string AsciiFor(std::string_view bytes);

// The Unicode character of a Windows-1252 byte; 0xFFFD for unassigned codes.
char32_t UnicodeFor(unsigned char byte);

// Windows-1252 text as UTF-8; control bytes and unassigned codes left out,
// as XML cannot hold them.
std::string Utf8FromWindows1252(std::string_view text);

// Where EscapedBytes' text goes, which decides what it escapes besides the
// backslash: a value of an ADIF file holds no "<" or ">", which readers that
// look for tags instead of counting lengths take for the edge of a field; a
// value quoted in a finding holds no double quote, so that its end is never
// in doubt.
enum class EscapedFor { AdifValue, Quoting };

// Every byte kept, the text ASCII 32 to 126: a byte outside that range, the
// backslash itself and the characters that `use` forbids become \xNN.
std::string EscapedBytes(std::string_view bytes, EscapedFor use);

} // namespace Conversion
