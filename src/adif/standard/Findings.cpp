#include "adif/standard/Findings.h"

#include "adif/AdifWriter.h"
#include "adif/standard/Windows1252Text.h"

#include <array>
#include <cstring>
#include <limits>

namespace Conversion {

namespace {

std::string Counted(std::uint64_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

// `bytes` between double quotes, escaped as EscapedBytes escapes them and
// the double quote too, so that the value's end is never in doubt.
char* WriteQuoted(char* out, std::string_view bytes)
{
    *out++ = '"';
    out = AppendEscapedBytes(out, bytes, Quotes::Escaped);
    *out++ = '"';
    return out;
}

// "00" to "99", for writing numbers two digits at a time.
constexpr std::array<char, 200> TwoDigitTexts()
{
    std::array<char, 200> texts{};
    for (std::size_t n = 0; n < 100; ++n) {
        texts[2 * n] = static_cast<char>('0' + n / 10);
        texts[2 * n + 1] = static_cast<char>('0' + n % 10);
    }
    return texts;
}
constexpr std::array<char, 200> kTwoDigitTexts = TwoDigitTexts();

// A record number as decimal text. Every finding has one: written from its
// last two digits on into a buffer of the most a number takes, then copied,
// which spares std::to_chars' count of the digits beforehand.
char* WriteNumber(char* out, std::uint64_t number)
{
    std::array<char, std::numeric_limits<std::uint64_t>::digits10 + 1> digits;
    char* const end = digits.data() + digits.size();
    char* first = end;
    for (; number >= 100; number /= 100) {
        first -= 2;
        std::memcpy(first, &kTwoDigitTexts[2 * (number % 100)], 2);
    }
    if (number >= 10) {
        first -= 2;
        std::memcpy(first, &kTwoDigitTexts[2 * number], 2);
    } else {
        *--first = static_cast<char>('0' + number);
    }
    return CopyShortText(out, first, static_cast<std::size_t>(end - first));
}

char* WriteText(char* out, std::string_view text)
{
    return CopyShortText(out, text.data(), text.size());
}

constexpr std::string_view kTranslated = "written as ";
constexpr std::string_view kOriginalKept = ", the original kept in ";
constexpr std::string_view kKept = "left out, kept in ";
constexpr std::string_view kLeftOut = "left out";
constexpr std::string_view kSkipped = "record skipped";

void AppendKeptFieldName(std::string& line, std::string_view field)
{
    line += KeptFieldPrefix();
    line += field;
}

} // namespace

std::string KeptFieldName(std::string_view field)
{
    std::string name;
    AppendKeptFieldName(name, field);
    return name;
}

std::size_t LongestFindingDescription(const Finding& finding)
{
    constexpr std::size_t kDigits = std::numeric_limits<std::uint64_t>::digits10 + 1;
    constexpr std::size_t kMostPerByte = 4; // "\xNN"
    // "record ", ": ", " ", two pairs of quotes, ": ", "; " and the longest ending's words.
    constexpr std::size_t kWords = 7 + 2 + 1 + 2 + 2 + 2 + 2 + kTranslated.size() +
                                   kOriginalKept.size() + kKept.size() + kSkipped.size();
    return kWords + kDigits + 2 * finding.field.size() +
           kMostPerByte * (finding.value.size() + finding.written.size()) + finding.problem.size() +
           KeptFieldPrefix().size();
}

[[gnu::flatten]] char* WriteFindingDescription(char* out, const Finding& finding)
{
    out = WriteText(out, "record ");
    out = WriteNumber(out, finding.record);
    out = WriteText(out, ": ");
    out = WriteText(out, finding.field);
    out = WriteText(out, " ");
    out = WriteQuoted(out, finding.value);
    out = WriteText(out, ": ");
    out = WriteText(out, finding.problem);
    out = WriteText(out, "; ");
    switch (finding.action) {
    case Finding::Action::Translated:
        out = WriteText(out, kTranslated);
        out = WriteQuoted(out, finding.written);
        out = WriteText(out, kOriginalKept);
        out = WriteText(out, KeptFieldPrefix());
        out = WriteText(out, finding.field);
        break;
    case Finding::Action::LeftOutAndKept:
        out = WriteText(out, kKept);
        out = WriteText(out, KeptFieldPrefix());
        out = WriteText(out, finding.field);
        break;
    case Finding::Action::Missing:
        out = WriteText(out, kLeftOut);
        break;
    case Finding::Action::Skipped:
        out = WriteText(out, kSkipped);
        break;
    }
    return out;
}

void AppendFindingDescription(std::string& line, const Finding& finding)
{
    const std::size_t start = line.size();
    line.resize(start + LongestFindingDescription(finding));
    const char* const end = WriteFindingDescription(line.data() + start, finding);
    line.resize(static_cast<std::size_t>(end - line.data()));
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
