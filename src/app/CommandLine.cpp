#include "app/CommandLine.h"

#include "app/CommandLineOptions.h"
#include "app/StatisticsRun.h"
#include "app/TerminalReport.h"
#include "app/TerminalText.h"
#include "app/TerminalWriter.h"
#include "command/ConvertCommand.h"
#include "command/FindingsReport.h"
#include "command/UnattendedServices.h"
#include "common/ApplicationIdentity.h"
#include "common/ErrorLog.h"
#include "common/PathHelpers.h"
#include "dxcc/Entity.h"
#include "files/RunConflicts.h"
#include "matching/LogbookReader.h"
#include "matching/RunGate.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>

namespace CommandLine {

namespace {

constexpr const char* kStandardOutputName = "standard output";

// Tells whether the logs of the run can be converted one after the other
// without one conversion undoing another; says why not when they cannot.
// ADIF sent to standard output writes no file.
bool RunIsSafe(const Options& options, GatheredLines& told)
{
    if (options.output && *options.output == "-")
        return true;
    std::vector<Conversion::PlannedConversion> run;
    run.reserve(options.logs.size());
    std::transform(
        options.logs.begin(), options.logs.end(), std::back_inserter(run),
        [&options](const std::string& log) {
            std::string adif = options.output
                                   ? *options.output
                                   : Common::StripExtension(log) +
                                         std::string(Conversion::FileExtensionOf(options.form));
            std::string report = Conversion::FindingsReportPath(adif);
            return Conversion::PlannedConversion{log, std::move(adif), std::move(report)};
        });
    const std::vector<std::string> conflicts = Conversion::RunConflicts(run);
    for (const std::string& conflict : conflicts)
        told.Say(TerminalName(conflict));
    if (!conflicts.empty())
        told.Say("nothing was converted");
    return conflicts.empty();
}

// What the standard forms add, as the options ask; the classic form has none.
Conversion::StandardOptions ChosenStandardOptions(const Options& options)
{
    Conversion::StandardOptions chosen;
    chosen.entities = options.entities;
    chosen.station = options.station;
    return chosen;
}

// The logbook of --new-only, read before anything is written; nothing when
// it cannot be read, which `told` says.
std::optional<Matching::Logbook> ReadNewOnlyLogbook(const std::string& path, GatheredLines& told)
{
    try {
        Matching::Logbook logbook = Matching::ReadLogbook(path);
        if (logbook.Size() == 0)
            told.Say("warning: " + TerminalName(path) +
                     " holds no contact with a callsign, band, mode, date and time to match");
        return logbook;
    } catch (const std::exception& e) {
        told.Say(TerminalName(e.what()));
        told.Say("nothing was converted");
        return std::nullopt;
    }
}

// One gate for the whole run, so that a record repeating one of an earlier
// log is found too.
Matching::RunGate MakeRunGate(const Options& options,
                              const std::optional<Matching::Logbook>& logbook)
{
    return logbook ? Matching::RunGate(*logbook, *options.newOnly) : Matching::RunGate();
}

void ChooseRunGate(Conversion::ConvertCommand& command, Matching::RunGate& gate)
{
    Conversion::StandardOptions standard = command.Options();
    standard.gate = &gate;
    command.ChooseStandardOptions(standard);
}

// --check: the findings of every log on standard output.
int CheckLogs(const Options& options, std::FILE* out, std::FILE* err)
{
    GatheredLines listed(out);
    GatheredLines told(err);
    std::optional<Matching::Logbook> logbook;
    if (options.newOnly && !(logbook = ReadNewOnlyLogbook(*options.newOnly, told)))
        return kFailed;
    Matching::RunGate gate = MakeRunGate(options, logbook);
    TerminalFindings findings(listed);
    TerminalMessages messages(options.existing, out, told);
    Conversion::NoFileSelector noDialog;
    Conversion::NoSettings settings;
    Conversion::ConvertCommand command(noDialog, messages, settings,
                                       Conversion::WhenFolderBusy::Wait, &findings);
    ChooseRunGate(command, gate);
    int status = kConverted;
    for (const std::string& log : options.logs) {
        findings.StartLog(log);
        const Conversion::ConversionResult result = command.CheckLog(log);
        listed.Flush();
        if (result.outcome != Conversion::ConversionResult::Outcome::Converted) {
            told.Say(TerminalName(result.failure));
            status = kFailed;
            continue;
        }
        findings.Count(result);
        if (result.findings != 0)
            status = kFailed;
    }
    if (const int error = listed.Error()) {
        told.Say(std::string(kStandardOutputName) + ": " + std::strerror(error));
        status = kFailed;
    }
    return status;
}

// What the run tells of one log once its conversion is over; whether it was converted.
bool TellOutcome(const std::string& log, const Conversion::ConversionResult& result,
                 TerminalFindings& findings, GatheredLines& told)
{
    if (result.outcome == Conversion::ConversionResult::Outcome::Failed)
        told.Say(TerminalName(result.failure));
    if (!result.warning.empty())
        told.Say("warning: " + TerminalName(result.warning));
    if (result.findings != 0)
        findings.Count(result);
    if (result.outcome != Conversion::ConversionResult::Outcome::Converted)
        return false;
    if (result.ignoredBytes != 0)
        told.Say("note: " + TerminalName(log) + " ends in " + std::to_string(result.ignoredBytes) +
                 " bytes too few for a record; they were ignored");
    return true;
}

// Each log converted in turn, its findings and illegal years on standard error.
int ConvertLogs(const Options& options, std::FILE* out, std::FILE* err)
{
    const bool adifToStandardOutput = options.output && *options.output == "-";
    GatheredLines told(err);
    TerminalMessages messages(options.existing, adifToStandardOutput ? err : out, told);
    TerminalFindings findings(told);
    Conversion::NoFileSelector noDialog;
    Conversion::NoSettings settings;
    // A script's runs wait for each other rather than fail.
    Conversion::ConvertCommand command(noDialog, messages, settings,
                                       Conversion::WhenFolderBusy::Wait, &findings);
    command.ChooseForm(options.form);
    command.ChooseStandardOptions(ChosenStandardOptions(options));

    // Checked for the whole run before anything is written.
    if (!RunIsSafe(options, told))
        return kFailed;
    std::optional<Matching::Logbook> logbook;
    if (options.newOnly && !(logbook = ReadNewOnlyLogbook(*options.newOnly, told)))
        return kFailed;
    Matching::RunGate gate = MakeRunGate(options, logbook);
    ChooseRunGate(command, gate);
    int status = kConverted;
    for (const std::string& log : options.logs) {
        findings.StartLog(log);
        const Conversion::ConversionResult result =
            adifToStandardOutput ? command.ConvertToStream(log, out, kStandardOutputName)
            : options.output     ? command.ConvertLog(log, *options.output)
                                 : command.ConvertChosenLog(log);
        told.Flush();
        if (!TellOutcome(log, result, findings, told))
            status = kFailed;
    }
    if (const int error = messages.SummaryError()) {
        // Told on standard error, unless that is where the summary failed.
        if (!adifToStandardOutput)
            told.Say(std::string(kStandardOutputName) + ": " + std::strerror(error));
        status = kFailed;
    }
    // What standard error tells is the user's only notice of records changed or
    // skipped, and of what went wrong: a run that could not tell it has failed.
    if (told.Error() != 0)
        status = kFailed;
    return status;
}

// --version: the program's, and where its DXCC entities come from.
std::string VersionText()
{
    return std::string(kProgram) + " (" + Common::Identity().productName + ") " +
           Common::Version() + "\nDXCC entities from " + std::string(Dxcc::EntityTableSources()) +
           "\n";
}

} // namespace

int Run(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err)
{
    Options options;
    if (const std::optional<UsageError> error = ParseOptions(arguments, options)) {
        Say(err, error->problem);
        WriteLine(err, std::string("Try '") + kProgram + " --help' for more information.");
        return kUsageError;
    }
    if (options.help || options.version) {
        const std::string text =
            options.help ? HelpText(TerminalName(Common::ErrorLogPath())) : VersionText();
        if (WriteNow(out, text))
            return kConverted;
        // A script that asked must not take the missing answer for one.
        const int error = errno;
        Say(err, std::string(kStandardOutputName) + ": " + std::strerror(error));
        return kFailed;
    }
    if (options.stats)
        return ShowStatistics(options, out, err);
    return options.check ? CheckLogs(options, out, err) : ConvertLogs(options, out, err);
}

} // namespace CommandLine
