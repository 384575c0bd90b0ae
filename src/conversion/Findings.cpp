#include "Findings.h"

#include "ApplicationIdentity.h"
#include "Windows1252Text.h"

#include <cctype>

namespace Conversion {

namespace {

// Quotes inside are escaped too, so that the value's end is never in doubt.
std::string Quoted(std::string_view bytes)
{
    std::string quoted = "\"";
    for (const char c : EscapedBytes(bytes))
        quoted += c == '"' ? std::string_view(R"(\x22)") : std::string_view(&c, 1);
    return quoted + '"';
}

std::string Counted(std::uint64_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

} // namespace

std::string KeptFieldName(std::string_view field)
{
    std::string name = "APP_";
    for (const char c : Common::Identity().productName)
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    name += '_';
    name += field;
    return name;
}

std::string DescribeFinding(const Finding& finding)
{
    std::string line = "record " + std::to_string(finding.record) + ": " +
                       std::string(finding.field) + " " + Quoted(finding.value) + ": " +
                       std::string(finding.problem) + "; ";
    switch (finding.action) {
    case Finding::Action::Translated:
        line += "written as " + Quoted(finding.written) + ", the original kept in " +
                KeptFieldName(finding.field);
        break;
    case Finding::Action::LeftOutAndKept:
        line += "left out, kept in " + KeptFieldName(finding.field);
        break;
    case Finding::Action::Missing:
        line += "left out";
        break;
    case Finding::Action::Skipped:
        line += "record skipped";
        break;
    }
    return line;
}

std::string DescribeFindingCount(std::uint64_t findings, std::uint64_t records)
{
    if (findings == 0)
        return "no findings";
    return Counted(findings, "finding") + " in " + Counted(records, "record");
}

void FindingTally::Report(const Finding& finding)
{
    ++findings_;
    if (finding.record != lastRecord_) {
        ++records_;
        lastRecord_ = finding.record;
    }
    next_.Report(finding);
}

} // namespace Conversion
