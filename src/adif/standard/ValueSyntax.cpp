#include "adif/standard/ValueSyntax.h"

#include "common/AsciiCase.h"

#include <algorithm>

namespace Conversion {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

} // namespace

bool IsCallsign(std::string_view call)
{
    const auto isCallsignCharacter = [](char c) {
        return IsUpperLetter(c) || IsDigit(c) || c == '/';
    };
    if (call.size() < 3 || !std::all_of(call.begin(), call.end(), isCallsignCharacter) ||
        std::none_of(call.begin(), call.end(), [](char c) { return IsUpperLetter(c); }) ||
        std::none_of(call.begin(), call.end(), [](char c) { return IsDigit(c); }) ||
        call.front() == '/' || call.back() == '/' || call.front() == '0')
        return false;
    return call.front() != '1' || call[1] == 'A' || call[1] == 'M' || call[1] == 'S';
}

bool IsGridSquare(std::string_view grid)
{
    if (grid.empty() || grid.size() > 8 || grid.size() % 2 != 0)
        return false;
    constexpr std::string_view kHighest = "RR99XX99";
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const char c = Common::AsciiUpper(grid[i]);
        const bool letterPair = i % 4 < 2;
        if (letterPair ? !IsUpperLetter(c) : !IsDigit(c))
            return false;
        if (c > kHighest[i])
            return false;
    }
    return true;
}

} // namespace Conversion
