#pragma once

#include <string>
#include <string_view>

// Windows speaks UTF-16 where the program holds UTF-8 (file names, messages
// that name files) or single-byte text (record bytes, shown as Windows-1252).
// These convert at that edge. Windows builds only.
namespace Common {

// UTF-8 to UTF-16; a byte that is not UTF-8 becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// Windows-1252 bytes to UTF-16, every byte a character.
std::wstring WideFromWindows1252(std::string_view bytes);

} // namespace Common
