#include "adif/AdifWriter.h"

#include "common/ApplicationIdentity.h"
#include "common/DateTimeText.h"
#include "common/ProgramError.h"
#include "common/UTC.h"

#include <array>
#include <charconv>
#include <limits>

namespace Conversion {

std::string RemoveLeadingAngleBrackets(std::string_view theData) noexcept
{
    std::string result;
    Common::ReportFailures("KestrelConversion.RemoveLeadingAngleBrackets", [&] {
        result.assign(theData.begin(), theData.end());
        std::erase(result, '<');
    });
    return result;
}

namespace {

// "<Fieldname:length>value " for a value as it stands, its length counted in
// bytes; nothing for an empty value.
void AppendFieldText(std::string& record, std::string_view Fieldname, std::string_view value)
{
    if (value.empty())
        return;
    std::array<char, std::numeric_limits<std::size_t>::digits10 + 1> length{};
    const char* const lengthEnd =
        std::to_chars(length.data(), length.data() + length.size(), value.size()).ptr;
    record += '<';
    record += Fieldname;
    record += ':';
    record.append(length.data(), static_cast<std::size_t>(lengthEnd - length.data()));
    record += '>';
    record += value;
    record += ' ';
}

} // namespace

void AppendField(std::string& exportRecord, std::string_view Fieldname,
                 std::string_view theData) noexcept
{
    const std::size_t before = exportRecord.size();
    const bool appended = Common::ReportFailures("KestrelConversion.AppendField", [&] {
        // A value without "<" is its own clean text.
        if (theData.find('<') == std::string_view::npos)
            AppendFieldText(exportRecord, Fieldname, theData);
        else
            AppendFieldText(exportRecord, Fieldname, RemoveLeadingAngleBrackets(theData));
    });
    if (!appended)
        exportRecord.resize(before);
}

void WriteExportHeader(Common::TextStream& output) noexcept
{
    Common::ReportFailures("KestrelConversion.WriteExportHeader", [&] {
        // Each line is put together before any of it is written, so that a failure
        // to put it together (the clock, the locale) writes nothing of it.
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
