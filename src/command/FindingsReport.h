#pragma once

#include "adif/standard/Findings.h"
#include "files/ExportFile.h"
#include "files/OutputFolder.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

// The findings of a standard conversion are listed in a plain-text report
// beside the ADIF file, which the summary names: a window has nobody to tell
// them to as they come, and a terminal's lines scroll away.
namespace Conversion {

// The findings of one conversion, one line each, in the order of the
// records; passed on to `next` as they come, where there is one.
class FindingList final : public FindingSink
{
public:
    explicit FindingList(FindingSink* next = nullptr) : next_(next) {}
    void Report(const Finding& finding) override;
    std::vector<std::string> lines;

private:
    FindingSink* next_;
};

// Where the findings of `exportFilename` are listed: NAME-findings.txt for NAME.ADI.
std::string FindingsReportPath(const std::string& exportFilename);

// The report beside one ADIF file. It always describes that file: a
// conversion that starts the ADIF anew starts the report anew, or removes it
// when there is nothing to list; one that adds records adds their findings.
// Only a report of this program's own is replaced or removed (it starts with
// the line it always starts with); anything else at its path (the user's own
// file, a link, a pipe, a device) is left as it is, and the findings are not
// listed.
class FindingsReport
{
public:
    // Looks at what stands at the report's path, following no link and
    // reading nothing that could hold the program up.
    explicit FindingsReport(const std::string& exportFilename);

    const std::string& Path() const { return path_; }
    // Whether the last Update listed findings in the report.
    bool Listed() const { return listed_; }

    // Brings the report in line with the ADIF file just put in place:
    // `restarted` when the file now holds this conversion's records only.
    // Returns what the summary says of the findings: where they are listed,
    // or why they are not. Throws std::system_error when the report cannot be
    // written or removed.
    std::string Update(const std::string& logPath, bool restarted, const FindingList& findings,
                       const std::string& count, const OutputFolder::WaitNotice& onWait);

private:
    void Write(const std::string& logPath, bool restarted, const FindingList& findings,
               const std::string& count);

    std::string path_;
    // The line every report of this ADIF file starts with.
    std::string firstLine_;
    std::optional<ExportFile> file_;
    bool ours_ = false;
    bool listed_ = false;
    // Why the report is left as it is; empty when it may be written.
    std::string obstacle_;
    // What kept the report from being looked at.
    std::exception_ptr failure_;
};

} // namespace Conversion
