#pragma once

#include "dxcc/EntityTable.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Whether an entity existed at a QSO's time: it counts from the minute it
// began, and no longer from the minute it ended.
namespace Dxcc {

struct QsoMoment
{
    std::uint32_t date; // YYYYMMDD
    int time;           // HHMM, or -1 where the QSO has no time
};

// The moment of `date` ("YYYYMMDD") and `time` ("HHMM", "HHMMSS" or empty);
// none where the date is not a real one. A time that cannot be read counts as
// none: it matters only on the day an entity began or ended.
std::optional<QsoMoment> ReadQsoMoment(std::string_view date, std::string_view time);

enum class Existence {
    Existed,
    DidNotExist,
    Unknown, // the QSO has no time, on a day the entity began or ended after midnight
};
Existence ExistenceAt(const Table::EntityRow& entity, QsoMoment moment);

} // namespace Dxcc
