#pragma once

#include "statistics/LogStatistics.h"

#include <string>

namespace Statistics {

// Reads the log at `path` through and counts its records as the standard form makes them,
// with the entity of every callsign. Throws std::system_error naming the path when the log
// cannot be read to its end; a partial record at the end is no record.
LogStatistics CountLog(const std::string& path);

} // namespace Statistics
