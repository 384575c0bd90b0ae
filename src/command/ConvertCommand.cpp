#include "command/ConvertCommand.h"

#include "adif/RecordWriter.h"
#include "common/ApplicationIdentity.h"
#include "common/NativePath.h"
#include "common/PathHelpers.h"
#include "common/ProgramError.h"
#include "files/ExportFile.h"
#include "files/LogFile.h"
#include "window/WindowSettings.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace Conversion {

namespace {

constexpr std::string_view kLocation = "KestrelConversion.ConvertCmd_Click";
constexpr std::string_view kReportSuffix = "-findings.txt";

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

// Decodes every complete record of the log and writes its line after the
// header; records with an illegal year are shown and skipped. Returns the
// number of records written.
template <class Output>
std::uint64_t WriteAdif(LogFile& log, Output& output, RecordWriter& writer, MessageBoxes& messages)
{
    // One header per file: appending to earlier records adds records only.
    if (output.StartsEmpty())
        writer.WriteHeader(output);
    std::uint64_t qsoCount = 0;
    std::uint64_t recordNumber = 0;
    RecordFields fields;     // every record's, in turn
    std::string illegalYear; // every such record's message, in turn
    const std::size_t longestLine = writer.LongestLine();
    for (std::string_view records = log.ReadRecords(); !records.empty();
         records = log.ReadRecords()) {
        for (std::size_t next = 0; next < records.size(); next += kRecordSize) {
            ++recordNumber;
            const std::string_view recordText = BuildRecordText(records.substr(next, kRecordSize));
            if (!DecodeFields(recordText, fields)) {
                AssignIllegalYearMessage(illegalYear, recordText);
                messages.ShowMessage(MessageKind::IllegalYear, illegalYear);
                writer.SkipRecord(recordText, recordNumber);
                continue;
            }
            // The record is assembled where the output will write it.
            char* const line = output.LineRoom(longestLine);
            output.EndLine(writer.WriteRecord(fields, recordNumber, line));
            ++qsoCount;
        }
    }
    writer.WriteEnd(output);
    return qsoCount;
}

// Where a check's lines go: nowhere.
class DiscardedLines final : public OutputChannel
{
public:
    static bool StartsEmpty() { return true; }
    void WriteLine(std::string_view /*text*/) override {}
    char* LineRoom(std::size_t most)
    {
        line_.resize(most);
        return line_.data();
    }
    void EndLine(const char* /*end*/) {}

private:
    std::string line_;
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

// The findings of a conversion that has nobody to tell them to as they come.
class FindingList final : public FindingSink
{
public:
    void Report(const Finding& finding) override { lines.push_back(DescribeFinding(finding)); }
    std::vector<std::string> lines;
};

// Lists a conversion's findings in a report beside the ADIF file and names
// it in the summary. A report that cannot be written costs only the list.
void ListFindings(const std::string& logPath, const std::string& exportFilename,
                  const std::vector<std::string>& lines, ConversionResult& result,
                  std::string& summary, const OutputFolder::WaitNotice& onWait)
{
    const std::string reportPath =
        Common::StripExtension(exportFilename) + std::string(kReportSuffix);
    const std::string count = DescribeFindingCount(result.findings, result.findingRecords);
    try {
        ExportFile report(reportPath);
        report.Lock(onWait);
        report.Begin(ExportFile::Mode::Replace);
        report.WriteLine("Records of " + logPath + " that " + exportFilename +
                         " holds in another form or not at all:");
        for (const std::string& line : lines)
            report.WriteLine(line);
        report.WriteLine(count);
        report.Commit();
        result.reportPath = reportPath;
        summary += "; " + count + ", listed in " + reportPath;
    } catch (const std::exception& e) {
        Common::ProgramError(Common::ErrorNumberOf(std::current_exception()), kLocation);
        result.warning =
            "the findings (" + count + ") could not be listed in " + reportPath + ": " + e.what();
        summary += "; " + count + ", which could not be listed in " + reportPath;
    }
}

// Why records of `form` must not be added to a file that starts with
// `existingStart`: each file keeps one form, and an ADX file ends in what
// closes its records.
std::optional<std::string> AppendRefusal(std::string_view existingStart, AdifForm form,
                                         const std::string& exportFilename)
{
    const std::optional<AdifForm> existing = FormOfContent(existingStart);
    if (!existing || (*existing == form && form != AdifForm::Adx))
        return std::nullopt;
    if (*existing == AdifForm::Adx)
        return exportFilename + " is an ADX file, to which records cannot be added; replace it "
                                "or convert to another file";
    return exportFilename + " holds " + std::string(NameOf(*existing)) + "; " +
           std::string(NameOf(form)) +
           " records are not added to it, so that the file keeps one form";
}

std::string Summary(std::uint64_t qsoCount, bool replaced, const std::string& exportFilename)
{
    return std::to_string(qsoCount) + (replaced ? " QSOs written to " : " QSOs appended to ") +
           exportFilename;
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
        options.initDir = settings_.GetSetting(ProductName(), std::string(WindowSettings::kSection),
                                               std::string(WindowSettings::kLogDirectory),
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
        settings_.SaveSetting(ProductName(), std::string(WindowSettings::kSection),
                              std::string(WindowSettings::kLogDirectory),
                              Common::ContainingDirectory(logPath));
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
            return result;
        }
        ExportFile output(exportFilename);
        // Asked with nothing locked, however long the user takes; what is
        // decided holds only for the file as it was then.
        Answer response = Answer::No; // no question asked: the new file is appended to
        const auto decide = [&] {
            response = Answer::No;
            if (output.HasExistingFile())
                response = messages_.AskYesNoCancel(exportFilename +
                                                    " already exists; delete its contents?");
            return response != Answer::Cancel;
        };
        OutputFolder::WaitNotice onWait;
        if (whenBusy_ == WhenFolderBusy::Wait)
            onWait = [&] {
                messages_.ShowMessage(MessageKind::Waiting,
                                      "waiting for another conversion writing in the folder of " +
                                          exportFilename + " to finish");
            };
        bool decided = decide();
        try {
            // From here to the commit no other conversion writes in the folder;
            // a file that changed meanwhile is decided about anew.
            if (decided && !output.Lock(onWait))
                decided = decide();
        } catch (const OutputBusy&) {
            messages_.ShowMessage(MessageKind::Refused,
                                  "another conversion is writing in the folder of " +
                                      exportFilename + "; try again when it has finished");
            return result;
        }
        if (!decided) {
            messages_.ShowMessage(MessageKind::Cancelled, "conversion cancelled");
            return result;
        }
        const bool replace = response == Answer::Yes;
        if (!replace && output.HasExistingFile())
            if (const std::optional<std::string> refusal =
                    AppendRefusal(output.ExistingStart(kFormEvidenceSize), form_, exportFilename)) {
                messages_.ShowMessage(MessageKind::Refused, *refusal);
                return result;
            }
        FindingList listed;
        FindingTally tally(findings_ != nullptr ? *findings_ : listed);
        {
            // Both files are closed, and the folder released, before the summary is shown.
            LogFile log(logPath);
            output.Begin(replace ? ExportFile::Mode::Replace : ExportFile::Mode::Append);
            const std::unique_ptr<RecordWriter> writer = MakeRecordWriter(form_, tally);
            result.qsoCount = WriteAdif(log, output, *writer, messages_);
            output.Commit();
            result.ignoredBytes = log.TrailingBytes();
        }
        result.findings = tally.Findings();
        result.findingRecords = tally.Records();
        if (const std::error_code unconfirmed = output.UnconfirmedOnDisk()) {
            Common::ProgramError(
                static_cast<std::int16_t>(unconfirmed.default_error_condition().value()),
                kLocation);
            result.warning = exportFilename +
                             " was written, but the system could not confirm that it is on the "
                             "disk: " +
                             unconfirmed.message();
        }
        result.outcome = ConversionResult::Outcome::Converted;
        std::string summary = Summary(result.qsoCount, replace, exportFilename);
        if (!listed.lines.empty())
            ListFindings(logPath, exportFilename, listed.lines, result, summary, onWait);
        messages_.ShowMessage(MessageKind::Summary, summary);
        return result;
    } catch (...) {
        return Failed(std::move(result));
    }
}

ConversionResult ConvertCommand::ConvertToStream(const std::string& logPath, std::FILE* stream,
                                                 const std::string& streamName) noexcept
{
    ConversionResult result;
    try {
        {
            LogFile log(logPath);
            ExportFile output(stream, streamName);
            UntoldFindings unheard;
            FindingTally tally(findings_ != nullptr ? *findings_ : unheard);
            const std::unique_ptr<RecordWriter> writer = MakeRecordWriter(form_, tally);
            result.qsoCount = WriteAdif(log, output, *writer, messages_);
            output.Commit();
            result.ignoredBytes = log.TrailingBytes();
            result.findings = tally.Findings();
            result.findingRecords = tally.Records();
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
    ConversionResult result;
    try {
        LogFile log(logPath);
        DiscardedLines nowhere;
        NoMessages silent;
        UntoldFindings unheard;
        FindingTally tally(findings_ != nullptr ? *findings_ : unheard);
        const std::unique_ptr<RecordWriter> writer = MakeRecordWriter(AdifForm::Standard, tally);
        result.qsoCount = WriteAdif(log, nowhere, *writer, silent);
        result.ignoredBytes = log.TrailingBytes();
        result.findings = tally.Findings();
        result.findingRecords = tally.Records();
        result.outcome = ConversionResult::Outcome::Converted;
        return result;
    } catch (...) {
        return Failed(std::move(result));
    }
}

} // namespace Conversion
