#pragma once

#include "dxcc/EntityDates.h"

#include <string_view>

namespace Dxcc {

// Whether `call` was, at `moment`, of an entity since deleted whose prefixes
// another entity of today's table holds: Y2 to Y9, DM and DT were the German
// Democratic Republic's until 1990-10-03, and are Germany's now. The table
// knows only today's owners, so such a call has no entity then.
bool HeldByADeletedEntity(std::string_view call, QsoMoment moment);

} // namespace Dxcc
