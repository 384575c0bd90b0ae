#pragma once

#include "adif/AdifForm.h"
#include "adif/standard/Findings.h"
#include "adif/standard/StandardOptions.h"
#include "command/ConversionServices.h"
#include "files/ExportFile.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

namespace Conversion {

class FindingList;
class FindingsReport;

struct ConversionResult
{
    enum class Outcome {
        Converted,  // the ADIF file holds the new records
        NotStarted, // cancelled or refused; nothing was written
        Refused,    // nothing changed, for a reason the user was told (`failure`)
        Failed,     // nothing changed; the failure went to the error log
    };
    Outcome outcome = Outcome::NotStarted;
    std::uint64_t qsoCount = 0;
    // The bytes at the end of the log too few to make a record; ignored.
    std::uint64_t ignoredBytes = 0;
    // For a failure: the path concerned and the system's description.
    std::string failure;
    // For a conversion that succeeded with a doubt worth telling.
    std::string warning;
    // What the standard forms could not write as the records hold it.
    std::uint64_t findings = 0;
    std::uint64_t findingRecords = 0;
    // Where the window's conversion listed them; empty when nowhere.
    std::string reportPath;
};

// What a conversion does when another one is writing in the ADIF file's
// folder: a window refuses, so that it never hangs; a script waits its turn.
enum class WhenFolderBusy { Refuse, Wait };

// The one command of the program: choose a log, settle what happens to an
// existing ADIF file, convert every record and report the count.
class ConvertCommand
{
public:
    // Findings of the standard forms go to `findings`; without, a conversion
    // lists them in a report beside the ADIF file.
    ConvertCommand(FileSelector& fileSelector, MessageBoxes& messages, SettingsStore& settings,
                   WhenFolderBusy whenBusy = WhenFolderBusy::Refuse,
                   FindingSink* findings = nullptr);

    // The form the next conversions write; classic unless chosen.
    void ChooseForm(AdifForm form) { form_ = form; }
    AdifForm Form() const { return form_; }
    // What the standard forms add and which records they write. The gate,
    // if any, outlives the command and serves every conversion of its run;
    // without one, each conversion leaves out the duplicates within its log.
    void ChooseStandardOptions(StandardOptions options) { options_ = std::move(options); }
    const StandardOptions& Options() const { return options_; }

    // The whole click: the Open dialog, then ConvertChosenLog.
    ConversionResult ConvertCmd_Click() noexcept;

    // From the choice of the log on: remember its folder, derive the ADIF
    // path, ask about an existing file, convert.
    ConversionResult ConvertChosenLog(const std::string& logPath) noexcept;

    // From the overwrite question on, with the ADIF path given.
    ConversionResult ConvertLog(const std::string& logPath,
                                const std::string& exportFilename) noexcept;

    // Converts to an open stream (standard output) rather than to a file.
    ConversionResult ConvertToStream(const std::string& logPath, std::FILE* stream,
                                     const std::string& streamName) noexcept;

    // Writes nothing: reports what the standard form would find in the log.
    ConversionResult CheckLog(const std::string& logPath) noexcept;

private:
    // The steps of ConvertLog.
    std::optional<ExportFile::Mode> DecideAboutExistingFile(ExportFile& output,
                                                            const std::string& exportFilename);
    Answer AskAboutExistingFile(const ExportFile& output, const std::string& exportFilename);
    // The answer that holds once the folder is taken; nothing when another
    // conversion is writing there, which the user has been told.
    std::optional<Answer> TakeFolder(ExportFile& output, const std::string& exportFilename,
                                     Answer answer);
    ConversionResult Convert(const std::string& logPath, ExportFile& output, ExportFile::Mode mode,
                             FindingSink& findings);
    void Summarise(const std::string& logPath, const std::string& exportFilename,
                   const ExportFile& output, ExportFile::Mode mode, const FindingList& listed,
                   std::optional<FindingsReport>& report, ConversionResult& result);

    // Called before waiting for another conversion writing in the folder;
    // none when the command refuses to wait.
    OutputFolder::WaitNotice WaitNotice(const std::string& exportFilename);

    FileSelector& fileSelector_;
    MessageBoxes& messages_;
    SettingsStore& settings_;
    WhenFolderBusy whenBusy_;
    FindingSink* findings_;
    AdifForm form_ = AdifForm::Classic;
    StandardOptions options_;
    // The dialog's remembered choice, offered again at the next click.
    std::string fileName_;
};

} // namespace Conversion
