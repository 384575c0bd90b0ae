// The page's way into the conversion core. The page's worker puts each log
// where KestrelConvert reads it and takes the ADIF from where it writes it
// (devices of the worker's own in the browser's file system); what a window
// would show in message boxes goes to the page as it comes, by kind, and after a conversion
// the log's statistics, for the page's pictures.

#include "adif/AdifForm.h"
#include "adif/standard/Findings.h"
#include "adif/standard/RecordGate.h"
#include "adif/standard/StandardOptions.h"
#include "adif/standard/StationValues.h"
#include "command/ConversionServices.h"
#include "command/ConvertCommand.h"
#include "command/UnattendedServices.h"
#include "common/PathHelpers.h"
#include "matching/LogbookReader.h"
#include "matching/RunGate.h"
#include "statistics/CountLog.h"
#include "statistics/StatisticsJson.h"

#include <cstdint>
#include <cstdio>
#include <emscripten.h>
#include <exception>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>

namespace {

// What the page is told besides the ADIF itself; the numbers are the page's.
enum class PageMessage {
    IllegalYear = 0, // the record's bytes, shown as Windows-1252
    Summary = 1,
    Note = 2,       // trailing bytes, the count of findings
    Failure = 3,    // why the log was not converted
    OutputName = 4, // the download's name
    Finding = 5,
    Other = 6,
    Statistics = 7, // the log's statistics as JSON, with its grid squares for the map
};

// clang-format off
EM_JS(void, ShowOnPage, (int kind, const char* text, std::size_t size), {
    Module.onKestrelMessage(kind, HEAPU8.slice(text, text + size));
});
// clang-format on

void Show(PageMessage kind, const std::string& text)
{
    ShowOnPage(static_cast<int>(kind), text.data(), text.size());
}

// The page writes every ADIF to a download of its own: there is never an
// existing file to ask about.
class PageMessages final : public Conversion::MessageBoxes
{
public:
    void ShowMessage(Conversion::MessageKind kind, const std::string& text) override
    {
        switch (kind) {
        case Conversion::MessageKind::IllegalYear:
            Show(PageMessage::IllegalYear, text);
            break;
        case Conversion::MessageKind::Summary:
            Show(PageMessage::Summary, text);
            break;
        case Conversion::MessageKind::Cancelled:
        case Conversion::MessageKind::Refused:
        case Conversion::MessageKind::Waiting:
            Show(PageMessage::Other, text);
            break;
        }
    }
    Conversion::Answer AskYesNoCancel(const std::string&) override
    {
        return Conversion::Answer::Cancel;
    }
};

// The standard forms' findings, each a line of its own.
class PageFindings final : public Conversion::FindingSink
{
public:
    void Report(const Conversion::Finding& finding) override
    {
        Show(PageMessage::Finding, Conversion::DescribeFinding(finding));
    }
};

// The forms the page offers, numbered as its choice is.
constexpr Conversion::AdifForm kPageForms[] = {
    Conversion::AdifForm::Classic,
    Conversion::AdifForm::Standard,
    Conversion::AdifForm::Adx,
};

// The log read once more, after its conversion, for the page's pictures, through `gate` as the
// conversion went through the run's; the ADIF is written whether or not they can be drawn.
void ShowStatistics(const char* logPath, const char* logName, Conversion::RecordGate* gate)
{
    try {
        Show(PageMessage::Statistics,
             Statistics::LogJsonWithGridList(logName, Statistics::CountLog(logPath, gate)));
    } catch (const std::exception& e) {
        Show(PageMessage::Note, std::string("the log at a glance could not be shown: ") + e.what());
    }
}

// One click of Convert: its logs are one run, as the logs of one command are, so that a record
// repeating one of an earlier log of the batch is left out too. The statistics have a gate of
// their own, alike, so that they leave out what the conversion left out.
class PageRun
{
public:
    PageRun(std::optional<Matching::Logbook> logbook, const std::string& logbookName)
        : logbook_(std::move(logbook)), conversion_(MakeGate(logbookName)),
          statistics_(MakeGate(logbookName))
    {
    }
    PageRun(const PageRun&) = delete;
    PageRun& operator=(const PageRun&) = delete;

    Matching::RunGate& ConversionGate() { return conversion_; }
    Matching::RunGate& StatisticsGate() { return statistics_; }

private:
    Matching::RunGate MakeGate(const std::string& logbookName) const
    {
        return logbook_ ? Matching::RunGate(*logbook_, logbookName) : Matching::RunGate();
    }

    std::optional<Matching::Logbook> logbook_;
    Matching::RunGate conversion_;
    Matching::RunGate statistics_;
};

// The run under way; none before the page starts one.
std::unique_ptr<PageRun> pageRun;

// The worker opens each log under a folder of its own: the findings name it as the user chose
// it, so that a duplicate of an earlier log names that log.
class NamedLogGate final : public Conversion::RecordGate
{
public:
    NamedLogGate(Conversion::RecordGate& run, std::string logName)
        : run_(run), logName_(std::move(logName))
    {
    }
    void StartLog(std::string_view /*logPath*/) override { run_.StartLog(logName_); }
    bool Admit(const Conversion::StandardRecord& record, std::uint64_t recordNumber,
               Conversion::FindingSink& findings) override
    {
        return run_.Admit(record, recordNumber, findings);
    }
    void AbandonLog() override { run_.AbandonLog(); }

private:
    Conversion::RecordGate& run_;
    std::string logName_;
};

// The page's field `label` into `field` as the records carry it; empty is
// none. False, with the page told why, when it is not such a value.
bool TakeStationField(std::string_view label, const char* given,
                      std::optional<std::string> (*written)(std::string_view),
                      std::string_view problem, std::string& field)
{
    const std::string_view text = given != nullptr ? given : "";
    if (text.empty())
        return true;
    const std::optional<std::string> value = written(text);
    if (!value) {
        Show(PageMessage::Failure, std::string(label) + " \"" + std::string(text) +
                                       "\": " + std::string(problem) + "; nothing was converted");
        return false;
    }
    field = *value;
    return true;
}

} // namespace

// Starts a run, which the logs of one click of Convert make: the standard forms leave out the
// QSOs of the logbook at `logbookPath` ("" for none), named by that path in messages, and
// each record that repeats an earlier one of the run. Returns 0 when the run was started, 1
// when the logbook could not be read: then the page is told why.
extern "C" EMSCRIPTEN_KEEPALIVE int KestrelStartRun(const char* logbookPath)
{
    pageRun.reset();
    std::optional<Matching::Logbook> logbook;
    if (*logbookPath != '\0') {
        try {
            logbook = Matching::ReadLogbook(logbookPath);
        } catch (const std::exception& e) {
            Show(PageMessage::Failure, e.what());
            return 1;
        }
    }
    pageRun = std::make_unique<PageRun>(std::move(logbook), logbookPath);
    return 0;
}

// Converts the log at `logPath` into the output at `adifPath`, both opened as
// they are (the worker's devices), naming them `logName` and the download's
// name in messages; `entities` non-zero adds each record's DXCC entity in the
// standard forms, which write the station's fields given (empty for none) and
// only the records the run started last admits. Returns 0 when the log was
// converted, 1 when it was not.
extern "C" EMSCRIPTEN_KEEPALIVE int KestrelConvert(const char* logPath, const char* logName,
                                                   const char* adifPath, int form, int entities,
                                                   const char* stationCallsign,
                                                   const char* operatorCall,
                                                   const char* myGridSquare)
{
    if (!pageRun) {
        Show(PageMessage::Failure, "the page started no run of conversions");
        return 1;
    }
    if (form < 0 || form >= static_cast<int>(std::size(kPageForms))) {
        Show(PageMessage::Failure, "the page asked for a form of ADIF it does not have");
        return 1;
    }
    Conversion::StationFields station;
    if (!TakeStationField("station callsign", stationCallsign, Conversion::StationCallsign,
                          Conversion::kNotACallsign, station.stationCallsign) ||
        !TakeStationField("operator", operatorCall, Conversion::StationCallsign,
                          Conversion::kNotACallsign, station.operatorCall) ||
        !TakeStationField("my grid square", myGridSquare, Conversion::StationGridSquare,
                          Conversion::kNotALocator, station.myGridSquare))
        return 1;
    const Conversion::AdifForm adifForm = kPageForms[form];
    const std::string adifName =
        Common::StripExtension(logName) + std::string(Conversion::FileExtensionOf(adifForm));
    Show(PageMessage::OutputName, adifName);

    // A device cannot be truncated, which opening for writing asks of a file.
    const int adif = open(adifPath, O_WRONLY | O_CLOEXEC);
    std::FILE* const stream = adif >= 0 ? fdopen(adif, "wb") : nullptr;
    if (stream == nullptr) {
        if (adif >= 0)
            close(adif);
        Show(PageMessage::Failure, adifName + ": the page could not open its output");
        return 1;
    }
    Conversion::NoFileSelector noDialog;
    PageMessages messages;
    Conversion::NoSettings settings;
    PageFindings findings;
    Conversion::ConvertCommand command(noDialog, messages, settings,
                                       Conversion::WhenFolderBusy::Refuse, &findings);
    command.ChooseForm(adifForm);
    Conversion::StandardOptions standard = command.Options();
    standard.entities = entities != 0;
    standard.station = std::move(station);
    NamedLogGate gate(pageRun->ConversionGate(), logName);
    standard.gate = &gate;
    command.ChooseStandardOptions(std::move(standard));
    const Conversion::ConversionResult result = command.ConvertToStream(logPath, stream, adifName);
    const bool closed = std::fclose(stream) == 0;

    if (result.outcome != Conversion::ConversionResult::Outcome::Converted || !closed) {
        Show(PageMessage::Failure,
             result.failure.empty() ? adifName + ": could not be written" : result.failure);
        return 1;
    }
    if (result.findings != 0)
        Show(PageMessage::Note,
             Conversion::DescribeFindingCount(result.findings, result.findingRecords));
    if (result.ignoredBytes != 0)
        Show(PageMessage::Note, std::string(logName) + " ends in " +
                                    std::to_string(result.ignoredBytes) +
                                    " bytes too few for a record; they were ignored");
    // The classic form writes each record however often it comes.
    NamedLogGate statisticsGate(pageRun->StatisticsGate(), logName);
    ShowStatistics(logPath, logName,
                   adifForm != Conversion::AdifForm::Classic ? &statisticsGate : nullptr);
    return 0;
}
