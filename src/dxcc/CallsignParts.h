#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// A callsign's parts between "/" as the lookup reads them: the suffixes that
// say how the station works (/P, /M, /A, /QRP, /QRPP) say nothing of where it
// is, a single digit names a call area within the country, and /MM and /AM
// put it at sea or in the air.
namespace Dxcc {

struct CallParts
{
    bool mobile = false;  // maritime or aeronautical mobile
    bool unclear = false; // an empty part, a second digit, or more than two other parts
    std::array<std::string_view, 2> parts; // the parts left, in order
    std::size_t count = 0;
    char areaDigit = 0; // the single digit after the first part, or 0
};
CallParts SplitCall(std::string_view call);

// A whole callsign rather than a prefix: a digit with something before it and
// letters after it, e.g. "W1AW", "3DA0BP", "VP2E"; not "F", "KH6" or "EA8".
bool LooksLikeCallsign(std::string_view part);

} // namespace Dxcc
