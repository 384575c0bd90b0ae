#include "adif/standard/Findings.h"

#include "adif/standard/Windows1252Text.h"
#include "common/ApplicationIdentity.h"

#include <algorithm>

namespace Conversion {

namespace {

std::string Counted(std::uint64_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

// `bytes` between double quotes, escaped so that the value's end is never in doubt.
std::string Quoted(std::string_view bytes)
{
    return '"' + EscapedBytes(bytes, EscapedFor::Quoting) + '"';
}

} // namespace

std::string KeptFieldName(std::string_view field)
{
    std::string name = "APP_";
    name += Common::Identity().productName;
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    name += '_';
    name += field;
    return name;
}

std::string DescribeFinding(const Finding& finding)
{
    std::string line = "record " + std::to_string(finding.record) + ": ";
    if (!finding.field.empty()) {
        line += finding.field;
        line += " " + Quoted(finding.value) + ": ";
    }
    line += finding.problem;
    if (!finding.detail.empty()) {
        line += ' ';
        line += finding.detail;
    }
    line += "; ";
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
    case Finding::Action::Written:
        line += "written";
        break;
    case Finding::Action::LeftOutRecord:
        line += "left out";
        break;
    }
    return line;
}

std::string KindOf(const Finding& finding)
{
    if (finding.field.empty())
        return std::string(finding.problem);
    return std::string(finding.field) + " " + std::string(finding.problem);
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
