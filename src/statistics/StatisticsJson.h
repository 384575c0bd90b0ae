#pragma once

#include "statistics/JsonWriter.h"
#include "statistics/LogStatistics.h"

#include <string>
#include <string_view>

// The statistics for scripts, with keys that other programs rely on:
//   {"logs": [{"log": NAME, "records": N, "qsos": N, "skipped": N, "first": "YYYYMMDD",
//     "last": "YYYYMMDD", "years": {"1998": N}, "bands": {"20m": N}, "modes": {"CW": N},
//     "calls": N, "entities": {"worked": N, "confirmed": N, "list": [{"dxcc": 230,
//     "name": "...", "continent": "EU", "qsos": N, "confirmed": true, "bands": ["20m"]}]},
//     "grids": {"worked": N, "confirmed": N}, "findings": {"KIND": N}}],
//    "all": {the same but "log"}}
// "first" and "last" are null where no QSO has a calendar date. Years and bands come in
// ascending order, modes and findings by name, entities by DXCC number.
namespace Statistics {

// A run's statistics, written log by log as each is counted.
class RunJson
{
public:
    RunJson();
    void AddLog(std::string_view name, const LogStatistics& counts);
    // The whole text, on one line without its end, with `all` the counts of every log added.
    std::string Finish(const LogStatistics& all);

private:
    JsonWriter writer_;
};

// One log's object as a run lists it, with one key more for the page's map:
// "gridList": [{"square": "JN58", "confirmed": true}, ...], the squares worked in order.
std::string LogJsonWithGridList(std::string_view name, const LogStatistics& counts);

} // namespace Statistics
