#include "app/CommandLineOptions.h"

#include "adif/standard/StationValues.h"
#include "app/TerminalText.h"

#include <string_view>

namespace CommandLine {

namespace {

// One of the station's own fields: its option, what it takes, and where it goes.
struct StationOption
{
    std::string_view name;
    std::string_view value; // what it takes, as an error names it
    std::optional<std::string> (*written)(std::string_view given);
    std::string_view problem;
    std::string Conversion::StationFields::*field;
};

constexpr StationOption kStationOptions[] = {
    {"--station-callsign", "a callsign", Conversion::StationCallsign, Conversion::kNotACallsign,
     &Conversion::StationFields::stationCallsign},
    {"--operator", "a callsign", Conversion::StationCallsign, Conversion::kNotACallsign,
     &Conversion::StationFields::operatorCall},
    {"--my-gridsquare", "a locator", Conversion::StationGridSquare, Conversion::kNotALocator,
     &Conversion::StationFields::myGridSquare},
};

bool HasStationField(const Conversion::StationFields& station)
{
    return !station.stationCallsign.empty() || !station.operatorCall.empty() ||
           !station.myGridSquare.empty();
}

// The value of the option at `i`, written NAME=VALUE or as the next argument
// (so `-o FILE` too), with `i` stepped past it; nothing where none follows.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, std::size_t& i,
                                       std::string_view name)
{
    const std::string& argument = arguments[i];
    if (argument.size() > name.size() && argument.starts_with(name) && argument[name.size()] == '=')
        return argument.substr(name.size() + 1);
    if (i + 1 < arguments.size())
        return arguments[++i];
    return std::nullopt;
}

} // namespace

// NOLINTNEXTLINE(readability-function-cognitive-complexity): one flat branch per option.
std::optional<UsageError> ParseOptions(const std::vector<std::string>& arguments, Options& options)
{
    const auto setExisting = [&options](Options::Existing existing) -> std::optional<UsageError> {
        if (options.existing != Options::Existing::Refuse && options.existing != existing)
            return UsageError{"--append and --replace cannot be combined"};
        options.existing = existing;
        return std::nullopt;
    };
    const auto setForm = [&options](Conversion::AdifForm form) -> std::optional<UsageError> {
        if (options.form != Conversion::AdifForm::Classic && options.form != form)
            return UsageError{"--adif3 and --adx cannot be combined"};
        options.form = form;
        return std::nullopt;
    };
    // `--name VALUE` or `--name=VALUE`, given once and checked.
    const auto setStation = [&](const StationOption& option,
                                std::size_t& i) -> std::optional<UsageError> {
        const std::string& argument = arguments[i];
        const std::optional<std::string> value = OptionValue(arguments, i, option.name);
        if (!value)
            return UsageError{"option " + argument + " needs " + std::string(option.value)};
        const std::string& given = *value;
        std::string& field = options.station.*option.field;
        if (!field.empty())
            return UsageError{std::string(option.name) + " can be given once only"};
        const std::optional<std::string> written = option.written(given);
        if (!written)
            return UsageError{std::string(option.name) + " \"" + TerminalName(given) +
                              "\": " + std::string(option.problem)};
        field = *written;
        return std::nullopt;
    };
    const auto stationOption = [](std::string_view argument) -> const StationOption* {
        for (const StationOption& option : kStationOptions) {
            if (argument == option.name || (argument.starts_with(option.name) &&
                                            argument.substr(option.name.size()).starts_with('=')))
                return &option;
        }
        return nullptr;
    };
    bool onlyLogs = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyLogs || argument == "-" || argument.empty() || argument[0] != '-') {
            options.logs.push_back(argument);
        } else if (argument == "--") {
            onlyLogs = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--append") {
            if (auto error = setExisting(Options::Existing::Append))
                return error;
        } else if (argument == "--replace") {
            if (auto error = setExisting(Options::Existing::Replace))
                return error;
        } else if (argument == "--adif3") {
            if (auto error = setForm(Conversion::AdifForm::Standard))
                return error;
        } else if (argument == "--adx") {
            if (auto error = setForm(Conversion::AdifForm::Adx))
                return error;
        } else if (argument == "--check") {
            options.check = true;
        } else if (argument == "--entities") {
            options.entities = true;
        } else if (argument == "--stats") {
            options.stats = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "-o" || argument == "--output" ||
                   argument.starts_with("--output=")) {
            if (options.output)
                return UsageError{"only one output file can be given"};
            options.output = OptionValue(arguments, i, "--output");
            if (!options.output)
                return UsageError{"option " + argument + " needs a file name"};
        } else if (const StationOption* station = stationOption(argument)) {
            if (auto error = setStation(*station, i))
                return error;
        } else if (argument == "--new-only" || argument.starts_with("--new-only=")) {
            if (options.newOnly)
                return UsageError{"--new-only can be given once only"};
            options.newOnly = OptionValue(arguments, i, "--new-only");
            if (!options.newOnly)
                return UsageError{"option --new-only needs a logbook file name"};
            if (options.newOnly->empty())
                return UsageError{"the logbook file name is empty"};
        } else {
            return UsageError{"unknown option " + argument};
        }
    }
    if (options.help || options.version)
        return std::nullopt;
    if (options.json && !options.stats)
        return UsageError{"--json goes with --stats only"};
    if (options.logs.empty())
        return UsageError{"no log file given"};
    if (options.stats &&
        (options.check || options.output || options.existing != Options::Existing::Refuse ||
         options.form != Conversion::AdifForm::Classic || options.entities ||
         HasStationField(options.station) || options.newOnly))
        return UsageError{"--stats writes no ADIF and takes no other option but --json"};
    if (options.check && (options.output || options.existing != Options::Existing::Refuse ||
                          options.form != Conversion::AdifForm::Classic || options.entities ||
                          HasStationField(options.station)))
        return UsageError{"--check writes nothing and takes no other option but --new-only"};
    // The classic form is fixed: it has no place for them.
    if (options.entities && options.form == Conversion::AdifForm::Classic)
        return UsageError{"--entities needs --adif3 or --adx: the classic form has no such fields"};
    if (HasStationField(options.station) && options.form == Conversion::AdifForm::Classic)
        return UsageError{
            "--station-callsign, --operator and --my-gridsquare need --adif3 or --adx"};
    if (options.newOnly && !options.check && options.form == Conversion::AdifForm::Classic)
        return UsageError{"--new-only needs --adif3, --adx or --check: the classic form "
                          "writes every record"};
    if (options.output && options.logs.size() > 1)
        return UsageError{"-o/--output takes one log only"};
    if (options.output && options.output->empty())
        return UsageError{"the output file name is empty"};
    return std::nullopt;
}

std::string HelpText(const std::string& errorLogPath)
{
    return std::string("Usage: ") + kProgram +
           " [--adif3 | --adx [--entities]] [--append | --replace] [-o FILE]\n"
           "         [--station-callsign CALL] [--operator CALL] [--my-gridsquare LOCATOR]\n"
           "         [--new-only LOGBOOK] LOG...\n"
           "       " +
           kProgram +
           " --check [--new-only LOGBOOK] LOG...\n"
           "       " +
           kProgram +
           " --stats [--json] LOG...\n"
           "Convert Kestrel log files into ADIF files.\n"
           "\n"
           "Each LOG is converted into a file of the same name with the extension .ADI,\n"
           "next to the log.\n"
           "\n"
           "      --adif3        write standard ADIF 3, as upload services and strict\n"
           "                     readers take it, rather than the classic form\n"
           "      --adx          write ADX, standard ADIF 3 in XML, to LOG's name with\n"
           "                     the extension .adx\n"
           "      --entities     add each QSO's DXCC entity, CQ and ITU zones and continent\n"
           "                     (DXCC, COUNTRY, CQZ, ITUZ, CONT) to the standard forms,\n"
           "                     where its callsign had one on the QSO's date\n"
           "      --check        write nothing; list the records that the standard form\n"
           "                     changes, leaves out in part or skips, and the callsigns\n"
           "                     without a DXCC entity on their date, the duplicates and,\n"
           "                     with --new-only, the QSOs that LOGBOOK holds already\n"
           "      --stats        write nothing; show what each log holds and all of them\n"
           "                     together: QSOs per year, band and mode, callsigns, DXCC\n"
           "                     entities and grid squares worked and confirmed, findings\n"
           "      --json         with --stats: show them as JSON, for scripts\n"
           "      --new-only LOGBOOK\n"
           "                     with --adif3, --adx or --check: leave out the QSOs that\n"
           "                     LOGBOOK, an ADI file exported from any logging program,\n"
           "                     holds already (same call, band and mode group, within\n"
           "                     30 minutes)\n"
           "  -o, --output FILE  write the ADIF to FILE instead (one LOG only);\n"
           "                     '-' writes it to standard output\n"
           "      --station-callsign CALL\n"
           "      --operator CALL\n"
           "      --my-gridsquare LOCATOR\n"
           "                     with --adif3 or --adx: write your station's callsign,\n"
           "                     its operator's or its locator into every record\n"
           "                     (STATION_CALLSIGN, OPERATOR, MY_GRIDSQUARE)\n"
           "      --replace      replace an existing ADIF file\n"
           "      --append       add the QSOs to an existing ADIF file of the same form\n"
           "  -h, --help         show this help and exit\n"
           "      --version      show the version and exit\n"
           "\n"
           "An existing ADIF file is left as it is unless --replace or --append is given.\n"
           "The standard forms keep what they cannot write as the log holds it in fields\n"
           "named APP_KESTRELTOADIF_..., and list each such record on standard error as\n"
           "'LOG: record N: FIELD \"value\": problem; what was done'; --check lists them\n"
           "on standard output. They leave out a record that repeats an earlier one of\n"
           "the run (same call, band, mode and date, at most 15 minutes apart) and holds\n"
           "nothing more, and name one that holds more as a possible duplicate.\n"
           "Runs writing into the same folder at the same time take turns.\n"
           "\n"
           "Exit status: 0 when every log was converted and reported, 1 when any was\n"
           "not or the report could not be written, 2 for a usage error. With --check:\n"
           "0 when no record needs a look, 1 when any does or a log could not be read.\n"
           "With --stats: 0, or 1 when a log could not be read.\n"
           "\n"
           "Unexpected failures are recorded in the error log:\n"
           "  " +
           errorLogPath + "\n";
}

} // namespace CommandLine
