#include "AdifWriter.h"

#include "ApplicationIdentity.h"
#include "DateTimeText.h"
#include "ProgramError.h"
#include "UTC.h"

#include <algorithm>

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
    Common::ReportFailures("KestrelConversion.AppendField", [&] {
        const std::string clean = RemoveLeadingAngleBrackets(theData);
        if (clean.empty())
            return;
        std::string field;
        field.reserve(Fieldname.size() + clean.size() + 24);
        field += '<';
        field += Fieldname;
        field += ':';
        field += std::to_string(clean.size());
        field += '>';
        field += clean;
        field += ' ';
        // Built aside first so that a failure leaves the record as it was.
        exportRecord += field;
    });
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
