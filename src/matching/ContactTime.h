#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Matching {

inline constexpr std::int64_t kSecondsPerDay = 86400;

// The moment of a contact in seconds from 1 January 1970 UTC, from ADIF's
// QSO_DATE (YYYYMMDD, a calendar day) and TIME_ON (HHMM or HHMMSS); nothing
// when either is not such a value. Contacts on either side of midnight are
// as far apart as their times say.
std::optional<std::int64_t> ContactSecond(std::string_view date, std::string_view time);

} // namespace Matching
