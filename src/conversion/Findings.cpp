#include "Findings.h"

#include "ApplicationIdentity.h"
#include "Windows1252Text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <limits>

namespace Conversion {

namespace {

std::string Counted(std::uint64_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

// `bytes` escaped (EscapedBytes) between double quotes. Quotes inside are
// escaped too, so that the value's end is never in doubt.
void AppendQuoted(std::string& line, std::string_view bytes)
{
    constexpr std::size_t kMostPerByte = 4; // "\xNN"
    constexpr std::string_view kEscapedQuote = R"(\x22)";
    const std::size_t start = line.size();
    line.resize(start + 1 + kMostPerByte * bytes.size() + 1);
    char* out = line.data() + start;
    *out++ = '"';
    for (std::size_t at = 0;;) {
        const std::size_t quote = std::min(bytes.find('"', at), bytes.size());
        out = AppendEscapedBytes(out, bytes.substr(at, quote - at));
        if (quote == bytes.size())
            break;
        out = std::copy(kEscapedQuote.begin(), kEscapedQuote.end(), out);
        at = quote + 1;
    }
    *out++ = '"';
    line.resize(static_cast<std::size_t>(out - line.data()));
}

void AppendNumber(std::string& line, std::uint64_t number)
{
    std::array<char, std::numeric_limits<std::uint64_t>::digits10 + 1> digits{};
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    line.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

void AppendKeptFieldName(std::string& line, std::string_view field)
{
    line += KeptFieldPrefix();
    line += field;
}

} // namespace

std::string_view KeptFieldPrefix()
{
    // The product's name is the same all the program's life: upper-cased once.
    static const std::string prefix = [] {
        std::string name = "APP_";
        for (const char c : Common::Identity().productName)
            name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        name += '_';
        return name;
    }();
    return prefix;
}

std::string KeptFieldName(std::string_view field)
{
    std::string name;
    AppendKeptFieldName(name, field);
    return name;
}

void AppendFindingDescription(std::string& line, const Finding& finding)
{
    line += "record ";
    AppendNumber(line, finding.record);
    line += ": ";
    line += finding.field;
    line += ' ';
    AppendQuoted(line, finding.value);
    line += ": ";
    line += finding.problem;
    line += "; ";
    switch (finding.action) {
    case Finding::Action::Translated:
        line += "written as ";
        AppendQuoted(line, finding.written);
        line += ", the original kept in ";
        AppendKeptFieldName(line, finding.field);
        break;
    case Finding::Action::LeftOutAndKept:
        line += "left out, kept in ";
        AppendKeptFieldName(line, finding.field);
        break;
    case Finding::Action::Missing:
        line += "left out";
        break;
    case Finding::Action::Skipped:
        line += "record skipped";
        break;
    }
}

std::string DescribeFinding(const Finding& finding)
{
    std::string line;
    AppendFindingDescription(line, finding);
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
