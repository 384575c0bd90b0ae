#pragma once

#include <algorithm>
#include <string_view>

namespace Common {

// `c` in upper case where it is an ASCII letter; without the C library's
// locale, which would also change bytes above ASCII and costs a call a byte.
constexpr char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether `a` and `b` are the same text when ASCII letters' case is ignored,
// as ADIF's names and file extensions are compared.
inline bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

} // namespace Common
