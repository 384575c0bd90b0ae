#pragma once

#include "statistics/LogStatistics.h"

#include <string>
#include <string_view>

namespace Statistics {

// The statistics as a person reads them: a heading (the log's name, made fit for the
// terminal by the caller), the counts, then tables of QSOs per year, band (with the entities
// worked and confirmed on each), mode and continent, the entities and the findings by kind.
// Lines end in "\n", and a blank line parts the tables.
std::string StatisticsText(std::string_view heading, const LogStatistics& counts);

} // namespace Statistics
