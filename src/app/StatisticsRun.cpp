#include "app/StatisticsRun.h"

#include "app/CommandLine.h"
#include "app/TerminalReport.h"
#include "app/TerminalText.h"
#include "common/ErrorNumbers.h"
#include "common/ProgramError.h"
#include "matching/RunGate.h"
#include "statistics/CountLog.h"
#include "statistics/StatisticsJson.h"
#include "statistics/StatisticsText.h"

#include <cstring>
#include <optional>
#include <system_error>

namespace CommandLine {

namespace {

constexpr std::string_view kLocation = "Statistics.CountLog";

// The log's counts, or nothing when it could not be read: then the failure has gone to the
// error log and is told, as a conversion's is.
std::optional<Statistics::LogStatistics> Counted(const std::string& log, Matching::RunGate& gate,
                                                 GatheredLines& told)
{
    try {
        return Statistics::CountLog(log, &gate);
    } catch (...) {
        const std::int16_t number = Common::ErrorNumberOf(std::current_exception());
        Common::ProgramError(number, kLocation);
        try {
            throw;
        } catch (const std::system_error& e) {
            told.Say(TerminalName(e.what()));
        } catch (...) {
            told.Say(TerminalName(log) + ": " + Common::ErrorDescription(number));
        }
        return std::nullopt;
    }
}

} // namespace

int ShowStatistics(const Options& options, std::FILE* out, std::FILE* err)
{
    GatheredLines shown(out);
    GatheredLines told(err);
    Statistics::RunJson json;
    Statistics::LogStatistics all;
    // One gate for the whole run, as a conversion's: a record repeating one of an earlier log
    // is left out, and is a QSO of neither that log nor all of them.
    Matching::RunGate gate;
    std::size_t counted = 0;
    int status = kConverted;
    for (const std::string& log : options.logs) {
        std::optional<Statistics::LogStatistics> counts = Counted(log, gate, told);
        if (!counts) {
            shown.Flush();
            status = kFailed;
            continue;
        }
        if (options.json)
            json.AddLog(log, *counts);
        else
            shown.Add(Statistics::StatisticsText(TerminalName(log), *counts));
        all.Add(*counts);
        ++counted;
    }
    if (options.json)
        shown.Add(json.Finish(all));
    else if (counted > 1)
        shown.Add(Statistics::StatisticsText("all logs", all));
    shown.Flush();
    if (const int error = shown.Error()) {
        told.Say(std::string("standard output: ") + std::strerror(error));
        status = kFailed;
    }
    return status;
}

} // namespace CommandLine
