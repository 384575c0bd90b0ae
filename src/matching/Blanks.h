#pragma once

#include <string_view>

namespace Matching {

// `text` without the blanks around it, as other programs pad their values:
// spaces, tabs and line ends.
inline std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace Matching
