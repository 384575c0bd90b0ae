#include "dxcc/FormerPrefixes.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace Dxcc {

namespace {

struct FormerPrefix
{
    std::string_view prefix;
    std::uint32_t until; // YYYYMMDD: the first day it was another entity's
};

// The prefixes of deleted entities that today's table gives to an entity
// that existed at the same time; a deleted entity whose prefixes went to one
// that began on its end (South Yemen's 7O, Yemen from 1990-05-22) is told by
// the dates alone.
constexpr std::array<FormerPrefix, 10> kFormerPrefixes = {{
    {"DM", 19901003},
    {"DT", 19901003},
    {"Y2", 19901003},
    {"Y3", 19901003},
    {"Y4", 19901003},
    {"Y5", 19901003},
    {"Y6", 19901003},
    {"Y7", 19901003},
    {"Y8", 19901003},
    {"Y9", 19901003},
}};

} // namespace

bool HeldByADeletedEntity(std::string_view call, QsoMoment moment)
{
    return std::any_of(kFormerPrefixes.begin(), kFormerPrefixes.end(),
                       [&](const FormerPrefix& former) {
                           return moment.date < former.until && call.starts_with(former.prefix);
                       });
}

} // namespace Dxcc
