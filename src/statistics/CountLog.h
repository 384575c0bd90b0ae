#pragma once

#include "adif/standard/RecordGate.h"
#include "statistics/LogStatistics.h"

#include <string>

namespace Statistics {

// Reads the log at `path` through and counts its records as the standard form makes them,
// with the entity of every callsign. A record that `gate` leaves out, as the run's conversion
// leaves it out, is a record with its finding but no QSO written; without a gate every record
// is written, as the classic form writes them. The gate knows the log by `path`, and forgets
// it again when it cannot be read. Throws std::system_error naming the path when the log
// cannot be read to its end; a partial record at the end is no record.
LogStatistics CountLog(const std::string& path, Conversion::RecordGate* gate);

} // namespace Statistics
