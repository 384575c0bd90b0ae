#include "Findings.h"

#include "AdifWriter.h"
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

// Writes a finding's line through a pointer into room made for the longest
// it can be: appending piece by piece costs a check of the room each.
class LineWriter
{
public:
    LineWriter(std::string& line, std::size_t most) : line_(line), start_(line.size())
    {
        line_.resize(start_ + most);
        out_ = line_.data() + start_;
    }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    ~LineWriter() { line_.resize(static_cast<std::size_t>(out_ - line_.data())); }

    void Text(std::string_view text) { out_ = CopyShortText(out_, text.data(), text.size()); }
    // `bytes` escaped (EscapedBytes) between double quotes. Quotes inside
    // are escaped too, so that the value's end is never in doubt.
    void Quoted(std::string_view bytes)
    {
        constexpr std::string_view kEscapedQuote = R"(\x22)";
        *out_++ = '"';
        for (std::size_t at = 0;;) {
            const std::size_t quote = std::min(bytes.find('"', at), bytes.size());
            out_ = AppendEscapedBytes(out_, bytes.substr(at, quote - at));
            if (quote == bytes.size())
                break;
            Text(kEscapedQuote);
            at = quote + 1;
        }
        *out_++ = '"';
    }
    void Number(std::uint64_t number) { out_ = std::to_chars(out_, out_ + kDigits, number).ptr; }

    static constexpr std::size_t kDigits = std::numeric_limits<std::uint64_t>::digits10 + 1;
    static constexpr std::size_t kMostPerByte = 4; // "\xNN"

private:
    std::string& line_;
    std::size_t start_;
    char* out_ = nullptr;
};

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
    constexpr std::string_view kTranslated = "written as ";
    constexpr std::string_view kOriginalKept = ", the original kept in ";
    constexpr std::string_view kKept = "left out, kept in ";
    constexpr std::string_view kLeftOut = "left out";
    constexpr std::string_view kSkipped = "record skipped";
    // "record ", ": ", " ", two quotes, ": ", "; " and the longest ending's words.
    constexpr std::size_t kWords = 7 + 2 + 1 + 2 + 2 + 2 + 2 + kTranslated.size() +
                                   kOriginalKept.size() + kKept.size() + kSkipped.size();
    const std::size_t most =
        kWords + LineWriter::kDigits + 2 * finding.field.size() +
        LineWriter::kMostPerByte * (finding.value.size() + finding.written.size()) +
        finding.problem.size() + KeptFieldPrefix().size();
    LineWriter write(line, most);
    write.Text("record ");
    write.Number(finding.record);
    write.Text(": ");
    write.Text(finding.field);
    write.Text(" ");
    write.Quoted(finding.value);
    write.Text(": ");
    write.Text(finding.problem);
    write.Text("; ");
    switch (finding.action) {
    case Finding::Action::Translated:
        write.Text(kTranslated);
        write.Quoted(finding.written);
        write.Text(kOriginalKept);
        write.Text(KeptFieldPrefix());
        write.Text(finding.field);
        break;
    case Finding::Action::LeftOutAndKept:
        write.Text(kKept);
        write.Text(KeptFieldPrefix());
        write.Text(finding.field);
        break;
    case Finding::Action::Missing:
        write.Text(kLeftOut);
        break;
    case Finding::Action::Skipped:
        write.Text(kSkipped);
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
