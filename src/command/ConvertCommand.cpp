#include "command/ConvertCommand.h"

#include "adif/standard/LogOfTheRun.h"
#include "adif/standard/RecordGate.h"
#include "command/AppendRefusal.h"
#include "command/FindingsReport.h"
#include "command/FormWriter.h"
#include "common/ApplicationIdentity.h"
#include "common/NativePath.h"
#include "common/PathHelpers.h"
#include "common/ProgramError.h"
#include "common/TextStream.h"
#include "files/LogFile.h"
#include "files/OutputFailure.h"
#include "matching/RunDuplicates.h"
#include "record/LogRecord.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace Conversion {

namespace {

constexpr std::string_view kLocation = "KestrelConversion.ConvertCmd_Click";

const std::string& ProductName()
{
    return Common::Identity().productName;
}

// Whether writing the ADIF file would overwrite the log itself: the same
// name, or the same file under another name (case-insensitive file systems,
// links).
bool IsSameFile(const std::string& logPath, const std::string& exportFilename)
{
    if (logPath == exportFilename)
        return true;
    std::error_code error;
    return std::filesystem::equivalent(Common::NativePath(logPath),
                                       Common::NativePath(exportFilename), error) &&
           !error;
}

// Writes every complete record of `log` in `form` onto `channel`, after the
// header where the channel holds nothing yet and before what closes the
// file. A record whose year cannot be read is shown and skipped. Without a
// gate of the run's, the duplicates within the log are left out. Returns the
// counts.
ConversionResult ConvertRecords(LogFile& log, AdifForm form, StandardOptions options,
                                Common::OutputChannel& channel, bool startsEmpty,
                                MessageBoxes& messages, FindingSink& findings)
{
    Common::TextStream output(channel);
    FindingTally tally(findings);
    Matching::RunDuplicates duplicates;
    if (options.gate == nullptr)
        options.gate = &duplicates;
    const std::unique_ptr<RecordWriter> writer = MakeRecordWriter(form, tally, options);
    // One header per file: appending to earlier records adds records only.
    if (startsEmpty)
        writer->WriteHeader(output);
    ConversionResult counted;
    std::uint64_t recordNumber = 0;
    for (std::string_view record = log.ReadRecord(); !record.empty(); record = log.ReadRecord()) {
        ++recordNumber;
        const std::string_view recordText = BuildRecordText(record);
        const std::optional<RecordFields> fields = DecodeFields(recordText);
        if (!fields) {
            messages.ShowMessage(MessageKind::IllegalYear, IllegalYearMessage(recordText));
            writer->SkipRecord(recordText, recordNumber);
            continue;
        }
        if (writer->WriteRecord(*fields, recordNumber, output))
            ++counted.qsoCount;
    }
    writer->WriteEnd(output);
    output.Flush();
    counted.ignoredBytes = log.TrailingBytes();
    counted.findings = tally.Findings();
    counted.findingRecords = tally.Records();
    return counted;
}

// The gate of the run decides about the records of the standard forms only.
RecordGate* GateOfTheRun(RecordGate* gate, AdifForm form)
{
    return form != AdifForm::Classic ? gate : nullptr;
}

// Where a check's text goes: nowhere.
class Discarded final : public Common::OutputChannel
{
public:
    void Write(std::string_view /*bytes*/) override {}
};

// A check shows nothing: its findings tell of skipped records too.
class NoMessages final : public MessageBoxes
{
public:
    void ShowMessage(MessageKind /*kind*/, const std::string& /*text*/) override {}
    Answer AskYesNoCancel(const std::string& /*text*/) override { return Answer::Cancel; }
};

// Where findings go that are only counted.
class UntoldFindings final : public FindingSink
{
public:
    void Report(const Finding& /*finding*/) override {}
};

std::string Summary(std::uint64_t qsoCount, bool replaced, const std::string& exportFilename)
{
    return std::to_string(qsoCount) + (replaced ? " QSOs written to " : " QSOs appended to ") +
           exportFilename;
}

// Brings the findings report in line with the ADIF file just written, and
// returns what the summary says of the findings. A report that cannot be
// written costs only the list, and one that cannot be removed is said to be stale.
std::string UpdateReport(FindingsReport& report, const std::string& logPath, bool restarted,
                         const FindingList& listed, const OutputFolder::WaitNotice& onWait,
                         ConversionResult& result)
{
    const std::string count = DescribeFindingCount(result.findings, result.findingRecords);
    try {
        std::string told = report.Update(logPath, restarted, listed, count, onWait);
        if (report.Listed())
            result.reportPath = report.Path();
        return told;
    } catch (const std::exception& e) {
        Common::ProgramError(Common::ErrorNumberOf(std::current_exception()), kLocation);
        if (listed.lines.empty()) {
            result.warning =
                report.Path() + " may no longer describe what the ADIF file holds: " + e.what();
            return {};
        }
        result.warning = "the findings (" + count + ") could not be listed in " + report.Path() +
                         ": " + e.what();
        return "; " + count + ", which could not be listed in " + report.Path();
    }
}

// The failure path: reported to the error log, described for the caller,
// never shown.
ConversionResult Failed(ConversionResult result)
{
    const std::exception_ptr failure = std::current_exception();
    const std::int16_t number = Common::ErrorNumberOf(failure);
    Common::ProgramError(number, kLocation);
    result.outcome = ConversionResult::Outcome::Failed;
    try {
        std::rethrow_exception(failure);
    } catch (const std::system_error& e) {
        result.failure = e.what();
    } catch (...) {
        result.failure = Common::ErrorDescription(number);
    }
    return result;
}

} // namespace

ConvertCommand::ConvertCommand(FileSelector& fileSelector, MessageBoxes& messages,
                               SettingsStore& settings, WhenFolderBusy whenBusy,
                               FindingSink* findings)
    : fileSelector_(fileSelector), messages_(messages), settings_(settings), whenBusy_(whenBusy),
      findings_(findings)
{
}

ConversionResult ConvertCommand::ConvertCmd_Click() noexcept
{
    std::optional<std::string> chosen;
    try {
        OpenDialogOptions options;
        options.initDir = settings_.GetSetting(ProductName(), std::string(kSettingsSection),
                                               std::string(kLogDirectoryKey),
                                               Common::Identity().programDirectory);
        options.defaultExt = ".log";
        options.filterDescription = "Log (*.log)";
        options.filterPattern = "*.log";
        options.fileName = fileName_;
        chosen = fileSelector_.ShowOpen(options);
    } catch (...) {
        return Failed({});
    }
    if (!chosen)
        return {}; // cancelled: no message, nothing touched
    return ConvertChosenLog(*chosen);
}

ConversionResult ConvertCommand::ConvertChosenLog(const std::string& logPath) noexcept
{
    try {
        fileName_ = logPath;
        // Remembered before anything else, so it holds even when the
        // conversion goes no further.
        settings_.SaveSetting(ProductName(), std::string(kSettingsSection),
                              std::string(kLogDirectoryKey), Common::ContainingDirectory(logPath));
        return ConvertLog(logPath,
                          Common::StripExtension(logPath) + std::string(FileExtensionOf(form_)));
    } catch (...) {
        return Failed({});
    }
}

ConversionResult ConvertCommand::ConvertLog(const std::string& logPath,
                                            const std::string& exportFilename) noexcept
{
    ConversionResult result;
    try {
        if (IsSameFile(logPath, exportFilename)) {
            messages_.ShowMessage(MessageKind::Refused,
                                  exportFilename +
                                      " is the chosen log itself; converting it there would "
                                      "overwrite the log");
            return {};
        }
        ExportFile output(exportFilename);
        const std::optional<ExportFile::Mode> mode =
            DecideAboutExistingFile(output, exportFilename);
        if (!mode)
            return {};
        // Looked at before anything is written; a pipe or a device has no report beside it.
        std::optional<FindingsReport> report;
        if (output.WritesFile())
            report.emplace(exportFilename);
        FindingList listed(findings_);
        result = Convert(logPath, output, *mode, listed);
        Summarise(logPath, exportFilename, output, *mode, listed, report, result);
        return result;
    } catch (const std::system_error& e) {
        if (!IsRefusal(e))
            return Failed(std::move(result));
        // Said to the person who asked, as any refusal; the error log is for
        // what nothing foresaw.
        try {
            messages_.ShowMessage(MessageKind::Refused, e.what());
        } catch (...) {
            return Failed(std::move(result));
        }
        ConversionResult refused;
        refused.outcome = ConversionResult::Outcome::Refused;
        refused.failure = e.what();
        return refused;
    } catch (...) {
        return Failed(std::move(result));
    }
}

// Asked with nothing locked, however long the user takes; then the folder is
// taken, and an append that would mix forms refused.
std::optional<ExportFile::Mode>
ConvertCommand::DecideAboutExistingFile(ExportFile& output, const std::string& exportFilename)
{
    std::optional<Answer> answer = AskAboutExistingFile(output, exportFilename);
    if (answer != Answer::Cancel)
        answer = TakeFolder(output, exportFilename, *answer);
    if (!answer)
        return std::nullopt;
    if (*answer == Answer::Cancel) {
        messages_.ShowMessage(MessageKind::Cancelled, "conversion cancelled");
        return std::nullopt;
    }
    if (*answer == Answer::Yes)
        return ExportFile::Mode::Replace;
    if (output.HasExistingFile())
        if (const std::optional<std::string> refusal =
                AppendRefusal(output, form_, exportFilename)) {
            messages_.ShowMessage(MessageKind::Refused, *refusal);
            return std::nullopt;
        }
    return ExportFile::Mode::Append;
}

// From the lock to the commit no other conversion writes in the folder. What
// was decided holds only for the file as it was: a file that changed before
// the lock is decided about anew.
std::optional<Answer> ConvertCommand::TakeFolder(ExportFile& output,
                                                 const std::string& exportFilename, Answer answer)
{
    try {
        if (!output.Lock(WaitNotice(exportFilename)))
            return AskAboutExistingFile(output, exportFilename);
        return answer;
    } catch (const OutputBusy&) {
        messages_.ShowMessage(MessageKind::Refused,
                              "another conversion is writing in the folder of " + exportFilename +
                                  "; try again when it has finished");
        return std::nullopt;
    }
}

// Yes replaces the file, No appends to it (as to a file not there yet),
// Cancel stops.
Answer ConvertCommand::AskAboutExistingFile(const ExportFile& output,
                                            const std::string& exportFilename)
{
    if (!output.HasExistingFile())
        return Answer::No;
    return messages_.AskYesNoCancel(exportFilename + " already exists; delete its contents?");
}

ConversionResult ConvertCommand::Convert(const std::string& logPath, ExportFile& output,
                                         ExportFile::Mode mode, FindingSink& findings)
{
    // Both files are closed, and the folder released, before the summary is shown.
    LogFile log(logPath);
    output.Begin(mode);
    LogOfTheRun ofTheRun(GateOfTheRun(options_.gate, form_), logPath);
    ConversionResult converted =
        ConvertRecords(log, form_, options_, output, output.StartsEmpty(), messages_, findings);
    output.Commit();
    ofTheRun.Keep();
    converted.outcome = ConversionResult::Outcome::Converted;
    return converted;
}

void ConvertCommand::Summarise(const std::string& logPath, const std::string& exportFilename,
                               const ExportFile& output, ExportFile::Mode mode,
                               const FindingList& listed, std::optional<FindingsReport>& report,
                               ConversionResult& result)
{
    if (const std::error_code unconfirmed = output.UnconfirmedOnDisk()) {
        Common::ProgramError(
            static_cast<std::int16_t>(unconfirmed.default_error_condition().value()), kLocation);
        result.warning = exportFilename +
                         " was written, but the system could not confirm that it is on the "
                         "disk: " +
                         unconfirmed.message();
    }
    std::string summary =
        Summary(result.qsoCount, mode == ExportFile::Mode::Replace, exportFilename);
    if (report)
        summary += UpdateReport(*report, logPath, output.StartsEmpty(), listed,
                                WaitNotice(exportFilename), result);
    messages_.ShowMessage(MessageKind::Summary, summary);
}

OutputFolder::WaitNotice ConvertCommand::WaitNotice(const std::string& exportFilename)
{
    if (whenBusy_ != WhenFolderBusy::Wait)
        return {};
    return [this, exportFilename] {
        messages_.ShowMessage(MessageKind::Waiting,
                              "waiting for another conversion writing in the folder of " +
                                  exportFilename + " to finish");
    };
}

ConversionResult ConvertCommand::ConvertToStream(const std::string& logPath, std::FILE* stream,
                                                 const std::string& streamName) noexcept
{
    ConversionResult result;
    try {
        UntoldFindings unheard;
        {
            // The counts are the result's once the output is complete; the log is
            // closed before the summary is shown.
            LogFile log(logPath);
            ExportFile output(stream, streamName);
            LogOfTheRun ofTheRun(GateOfTheRun(options_.gate, form_), logPath);
            const ConversionResult counted =
                ConvertRecords(log, form_, options_, output, true, messages_,
                               findings_ != nullptr ? *findings_ : unheard);
            output.Commit();
            ofTheRun.Keep();
            result = counted;
        }
        result.outcome = ConversionResult::Outcome::Converted;
        messages_.ShowMessage(MessageKind::Summary, Summary(result.qsoCount, true, streamName));
        return result;
    } catch (...) {
        return Failed(std::move(result));
    }
}

ConversionResult ConvertCommand::CheckLog(const std::string& logPath) noexcept
{
    try {
        LogFile log(logPath);
        Discarded nowhere;
        NoMessages silent;
        UntoldFindings unheard;
        // A check looks up every callsign's entity, so that it names the likely typos.
        StandardOptions checked = options_;
        checked.entities = true;
        LogOfTheRun ofTheRun(options_.gate, logPath);
        ConversionResult result =
            ConvertRecords(log, AdifForm::Standard, checked, nowhere, true, silent,
                           findings_ != nullptr ? *findings_ : unheard);
        ofTheRun.Keep();
        result.outcome = ConversionResult::Outcome::Converted;
        return result;
    } catch (...) {
        return Failed({});
    }
}

} // namespace Conversion
