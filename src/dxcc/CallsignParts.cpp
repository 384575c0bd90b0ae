#include "dxcc/CallsignParts.h"

#include <algorithm>

namespace Dxcc {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool SaysHowNotWhere(std::string_view part)
{
    return part == "P" || part == "M" || part == "A" || part == "QRP" || part == "QRPP";
}

} // namespace

CallParts SplitCall(std::string_view call)
{
    CallParts split;
    bool first = true;
    for (std::size_t start = 0; start <= call.size(); first = false) {
        const std::size_t end = std::min(call.find('/', start), call.size());
        const std::string_view part = call.substr(start, end - start);
        start = end + 1;
        if (!first && (part == "MM" || part == "AM")) {
            split.mobile = true;
        } else if (!first && SaysHowNotWhere(part)) {
            continue;
        } else if (!first && part.size() == 1 && IsDigit(part[0])) {
            split.unclear = split.unclear || split.areaDigit != 0;
            split.areaDigit = part[0];
        } else if (part.empty() || split.count == split.parts.size()) {
            split.unclear = true;
        } else {
            split.parts[split.count++] = part;
        }
    }
    return split;
}

bool LooksLikeCallsign(std::string_view part)
{
    const auto lastDigit = std::find_if(part.rbegin(), part.rend(), IsDigit);
    if (lastDigit == part.rend())
        return false;
    const auto digitAt = static_cast<std::size_t>(part.rend() - lastDigit - 1);
    return digitAt >= 1 && digitAt + 1 < part.size();
}

} // namespace Dxcc
