#pragma once

#include "adif/standard/Findings.h"
#include "files/OutputFolder.h"

#include <string>
#include <vector>

// A window has nobody to tell a conversion's findings to as they come: they
// are gathered, and listed in a plain-text report beside the ADIF file.
namespace Conversion {

// The findings of one conversion, one line each, in the order of the records.
class FindingList final : public FindingSink
{
public:
    void Report(const Finding& finding) override { lines.push_back(DescribeFinding(finding)); }
    std::vector<std::string> lines;
};

// Where the findings of `exportFilename` are listed: NAME-findings.txt for NAME.ADI.
std::string FindingsReportPath(const std::string& exportFilename);

// Writes the report, safely as any output, under FindingsReportPath: a line
// naming the log and the ADIF file, the findings, and `count`, their number
// in words. Throws std::system_error when it cannot.
void WriteFindingsReport(const std::string& logPath, const std::string& exportFilename,
                         const FindingList& findings, const std::string& count,
                         const OutputFolder::WaitNotice& onWait);

} // namespace Conversion
