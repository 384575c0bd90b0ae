#pragma once

#include "adif/AdifForm.h"
#include "adif/standard/StandardOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace CommandLine {

// The program's name, which starts each of its own messages.
inline constexpr const char* kProgram = "kestrel-to-adif";

// What the command line was asked to do:
//   kestrel-to-adif [--adif3 | --adx] [--append | --replace] [-o FILE] LOG...
//                   with the standard forms [--entities] [--station-callsign CALL]
//                   [--operator CALL] [--my-gridsquare LOCATOR] [--new-only LOGBOOK]
//   kestrel-to-adif --check [--new-only LOGBOOK] LOG...
//   kestrel-to-adif --stats [--json] LOG...
struct Options
{
    // What happens to an ADIF file that is there already.
    enum class Existing { Refuse, Replace, Append };
    Existing existing = Existing::Refuse;
    Conversion::AdifForm form = Conversion::AdifForm::Classic;
    bool check = false;
    bool entities = false; // the standard forms add each callsign's DXCC entity
    bool stats = false;
    bool json = false;                 // the statistics as JSON
    std::optional<std::string> output; // "-" for standard output
    // The user's logbook (ADI), whose contacts the standard forms leave out.
    std::optional<std::string> newOnly;
    std::vector<std::string> logs;
    // Written into every standard record, as the records carry them.
    Conversion::StationFields station;
    bool help = false;
    bool version = false;
};

// The options in `arguments` (the program's name excluded), or what is wrong with them.
struct UsageError
{
    std::string problem;
};
std::optional<UsageError> ParseOptions(const std::vector<std::string>& arguments, Options& options);

// --help: the usage, each option, the exit statuses and where failures are
// recorded (`errorLogPath`, as the terminal shows it).
std::string HelpText(const std::string& errorLogPath);

} // namespace CommandLine
