#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace Common {

// Whether `a` and `b` are the same text when ASCII letters' case is ignored,
// as ADIF's names and file extensions are compared.
inline bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace Common
