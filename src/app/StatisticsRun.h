#pragma once

#include "app/CommandLineOptions.h"

#include <cstdio>

namespace CommandLine {

// --stats: each log's statistics and those of all together on `out`, as a table or as JSON;
// a log that cannot be read is named on `err` and the others are still counted. The exit
// status: kConverted, or kFailed when a log could not be read or `out` not written.
int ShowStatistics(const Options& options, std::FILE* out, std::FILE* err);

} // namespace CommandLine
