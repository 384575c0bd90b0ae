#include "command/FindingsReport.h"

#include "common/PathHelpers.h"
#include "common/TextStream.h"
#include "files/ExportFile.h"

namespace Conversion {

std::string FindingsReportPath(const std::string& exportFilename)
{
    return Common::StripExtension(exportFilename) + "-findings.txt";
}

void WriteFindingsReport(const std::string& logPath, const std::string& exportFilename,
                         const FindingList& findings, const std::string& count,
                         const OutputFolder::WaitNotice& onWait)
{
    ExportFile file(FindingsReportPath(exportFilename));
    file.Lock(onWait);
    file.Begin(ExportFile::Mode::Replace);
    Common::TextStream report(file);
    report << "Records of " << logPath << " that " << exportFilename
           << " holds in another form or not at all:";
    report.EndLine();
    for (const std::string& line : findings.lines)
        report.WriteLine(line);
    report.WriteLine(count);
    report.Flush();
    file.Commit();
}

} // namespace Conversion
