#include "adif/AdifWriter.h"

#include "common/ApplicationIdentity.h"
#include "common/DateTimeText.h"
#include "common/ProgramError.h"
#include "common/UTC.h"

#include <iterator>

namespace Conversion {

std::string RemoveLeadingAngleBrackets(std::string_view theData) noexcept
{
    std::string result;
    Common::ReportFailures("KestrelConversion.RemoveLeadingAngleBrackets", [&] {
        result.reserve(theData.size());
        std::copy_if(theData.begin(), theData.end(), std::back_inserter(result),
                     [](char c) { return c != '<'; });
    });
    return result;
}

void AppendField(std::string& exportRecord, std::string_view Fieldname,
                 std::string_view theData) noexcept
{
    const std::size_t before = exportRecord.size();
    const bool appended = Common::ReportFailures("KestrelConversion.AppendField", [&] {
        exportRecord.resize(before + Fieldname.size() + theData.size() + kFieldTextOverhead);
        char* const end = AppendField(exportRecord.data() + before, Fieldname, theData);
        exportRecord.resize(static_cast<std::size_t>(end - exportRecord.data()));
    });
    // A field that could not be appended is lost whole.
    if (!appended)
        exportRecord.resize(before);
}

void WriteExportHeader(OutputChannel& output) noexcept
{
    Common::ReportFailures("KestrelConversion.WriteExportHeader", [&] {
        const std::string& productName = Common::Identity().productName;
        output.WriteLine("ADIF file");
        output.WriteLine("created by " + productName + " " + Common::Version() + " on " +
                         Common::FormatDateTime(UTC::CurrentTime()) + " UTC");
        const std::string programId = RemoveLeadingAngleBrackets(productName);
        output.WriteLine("<ProgramID:" + std::to_string(programId.size()) + ">" + programId);
        output.WriteLine("<EOH>");
    });
}

} // namespace Conversion
