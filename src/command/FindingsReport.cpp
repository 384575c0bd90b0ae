#include "command/FindingsReport.h"

#include "adif/AdifForm.h"
#include "common/AsciiCase.h"
#include "common/NativePath.h"
#include "common/PathHelpers.h"
#include "common/TextStream.h"
#include "files/ExportConflict.h"
#include "files/OutputFailure.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace Conversion {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string FileNameOf(const std::string& path)
{
    return Common::PathText(Common::NativePath(path).filename());
}

} // namespace

void FindingList::Report(const Finding& finding)
{
    lines.push_back(DescribeFinding(finding));
    if (next_ != nullptr)
        next_->Report(finding);
}

std::string FindingsReportPath(const std::string& exportFilename)
{
    // The ADI and the ADX file of one log each have a report of their own.
    const bool adx =
        Common::SameIgnoringCase(Common::PathText(Common::NativePath(exportFilename).extension()),
                                 FileExtensionOf(AdifForm::Adx));
    return Common::StripExtension(exportFilename) + (adx ? "-adx-findings.txt" : "-findings.txt");
}

FindingsReport::FindingsReport(const std::string& exportFilename)
    : path_(FindingsReportPath(exportFilename)),
      firstLine_("Records that " + FileNameOf(exportFilename) +
                 " holds in another form or not at all:")
{
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(Common::NativePath(path_), error))) {
        obstacle_ = path_ + " is a link";
        return;
    }
    try {
        file_.emplace(path_, ExportFile::Target::PlainFileOnly);
        if (!file_->HasExistingFile())
            return;
        const std::string expected = firstLine_ + std::string(kLineEnd);
        std::string start(expected.size(), '\0');
        std::size_t read = 0;
        file_->LookAtExisting([&](const ExportFile::Reader& reader) {
            for (std::size_t more = 1; read < start.size() && more != 0; read += more)
                more = reader(start.data() + read, start.size() - read);
        });
        ours_ = read == expected.size() && start == expected;
        if (!ours_)
            obstacle_ = path_ + " is not a findings report of this program";
    } catch (const std::system_error& e) {
        // A report the user's system refuses is theirs to mend; one that
        // could not be read is a failure like any other.
        if (IsRefusal(e))
            obstacle_ = e.what();
        else
            failure_ = std::current_exception();
    }
}

std::string FindingsReport::Update(const std::string& logPath, bool restarted,
                                   const FindingList& findings, const std::string& count,
                                   const OutputFolder::WaitNotice& onWait)
{
    // Said, whether there was something to list or a report to remove.
    if (failure_ && (restarted || !findings.lines.empty()))
        std::rethrow_exception(failure_);
    if (failure_)
        return {};
    if (!obstacle_.empty()) {
        if (findings.lines.empty())
            return {};
        return "; " + count + ", not listed: " + obstacle_ +
               "; it was left as it is, and kestrel-to-adif --check " + logPath + " lists them";
    }
    // A report that no longer describes the file is not left to mislead.
    if (findings.lines.empty() && !(restarted && ours_))
        return {};
    // Decided about as it was looked at: a file that changed since is not ours to touch.
    if (!file_->Lock(onWait))
        throw std::system_error(make_error_code(ExportConflict::Changed), path_);
    if (findings.lines.empty()) {
        file_->Remove();
        return {};
    }
    Write(logPath, restarted, findings, count);
    listed_ = true;
    return "; " + count + ", listed in " + path_;
}

void FindingsReport::Write(const std::string& logPath, bool restarted, const FindingList& findings,
                           const std::string& count)
{
    const bool adding = ours_ && !restarted;
    file_->Begin(adding ? ExportFile::Mode::Append : ExportFile::Mode::Replace);
    Common::TextStream report(*file_);
    if (!adding)
        report.WriteLine(firstLine_);
    // A report started by an append knows nothing of the records before.
    if (!adding && !restarted)
        report.WriteLine("(records written into it before are not listed here)");
    report << (restarted ? "Converted from " : "Appended from ") << logPath << ':';
    report.EndLine();
    for (const std::string& line : findings.lines)
        report.WriteLine(line);
    report.WriteLine(count);
    report.Flush();
    file_->Commit();
}

} // namespace Conversion
