#include "ConvertCommand.h"

#include "AdifWriter.h"
#include "ApplicationIdentity.h"
#include "ExportFile.h"
#include "LogFile.h"
#include "NativePath.h"
#include "PathHelpers.h"
#include "ProgramError.h"
#include "RunConflicts.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace Conversion {

namespace {

constexpr std::string_view kLocation = "KestrelConversion.ConvertCmd_Click";
constexpr std::string_view kSettingSection = "General";
constexpr std::string_view kLogDirectorySetting = "LogDirectory";

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

// Decodes every complete record of the log and writes its ADIF line after the
// header; records with an illegal year are shown and skipped. Returns the
// number of records written.
std::uint64_t WriteAdif(LogFile& log, ExportFile& output, MessageBoxes& messages)
{
    // One header per file: appending to earlier records adds records only.
    if (output.StartsEmpty())
        WriteExportHeader(output);
    std::uint64_t qsoCount = 0;
    for (std::string_view records = log.ReadRecords(); !records.empty();
         records = log.ReadRecords()) {
        for (std::size_t next = 0; next < records.size(); next += kRecordSize) {
            const std::string_view recordText = BuildRecordText(records.substr(next, kRecordSize));
            // The record is assembled where the output will write it.
            char* const exportRecord = output.LineRoom(kLongestFieldsText + kEndOfRecord.size());
            char* const end = DecodeRecord(recordText, exportRecord);
            if (end == nullptr) {
                messages.ShowMessage(MessageKind::IllegalYear, IllegalYearMessage(recordText));
                continue;
            }
            output.EndLine(std::copy(kEndOfRecord.begin(), kEndOfRecord.end(), end));
            ++qsoCount;
        }
    }
    return qsoCount;
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
                               SettingsStore& settings, WhenFolderBusy whenBusy)
    : fileSelector_(fileSelector), messages_(messages), settings_(settings), whenBusy_(whenBusy)
{
}

ConversionResult ConvertCommand::ConvertCmd_Click() noexcept
{
    std::optional<std::string> chosen;
    try {
        OpenDialogOptions options;
        options.initDir = settings_.GetSetting(ProductName(), std::string(kSettingSection),
                                               std::string(kLogDirectorySetting),
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
        settings_.SaveSetting(ProductName(), std::string(kSettingSection),
                              std::string(kLogDirectorySetting),
                              Common::ContainingDirectory(logPath));
        return ConvertLog(logPath, AdifPathOf(logPath));
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
        {
            // Both files are closed, and the folder released, before the summary is shown.
            LogFile log(logPath);
            output.Begin(replace ? ExportFile::Mode::Replace : ExportFile::Mode::Append);
            result.qsoCount = WriteAdif(log, output, messages_);
            output.Commit();
            result.ignoredBytes = log.TrailingBytes();
        }
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
        messages_.ShowMessage(MessageKind::Summary,
                              Summary(result.qsoCount, replace, exportFilename));
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
            result.qsoCount = WriteAdif(log, output, messages_);
            output.Commit();
            result.ignoredBytes = log.TrailingBytes();
        }
        result.outcome = ConversionResult::Outcome::Converted;
        messages_.ShowMessage(MessageKind::Summary, Summary(result.qsoCount, true, streamName));
        return result;
    } catch (...) {
        return Failed(std::move(result));
    }
}

} // namespace Conversion
