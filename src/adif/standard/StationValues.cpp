#include "adif/standard/StationValues.h"

#include "adif/standard/ValueSyntax.h"

#include <algorithm>

namespace Conversion {

namespace {

// ASCII letters only, whatever the locale: other bytes are never a callsign.
char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::optional<std::string> StationCallsign(std::string_view given)
{
    std::string call(given.size(), '\0');
    std::transform(given.begin(), given.end(), call.begin(), Upper);
    if (!IsCallsign(call))
        return std::nullopt;
    return call;
}

std::optional<std::string> StationGridSquare(std::string_view given)
{
    if (!IsGridSquare(given))
        return std::nullopt;
    std::string grid(given);
    // Characters 0-1 are the field, 4-5 the subsquare; the others are digits.
    for (std::size_t i = 0; i < grid.size(); ++i)
        grid[i] = i < 2 ? Upper(grid[i]) : Lower(grid[i]);
    return grid;
}

} // namespace Conversion
