#include "app/TerminalReport.h"

#include "app/TerminalText.h"
#include "app/TerminalWriter.h"

#include <cerrno>

namespace CommandLine {

namespace {

// Gathered lines are written once they fill a block this large.
constexpr std::size_t kBlock = std::size_t{64} * 1024;

} // namespace

bool WriteLine(std::FILE* stream, const std::string& text)
{
    return WriteText(stream, text + "\n");
}

bool WriteNow(std::FILE* stream, std::string_view text)
{
    if (!WriteText(stream, text))
        return false;
    errno = 0;
    if (std::fflush(stream) == 0)
        return true;
    if (errno == 0)
        errno = EIO;
    return false;
}

void Say(std::FILE* stream, const std::string& text)
{
    WriteLine(stream, std::string(kProgram) + ": " + text);
}

void GatheredLines::Add(std::string_view line)
{
    lines_ += line;
    lines_ += '\n';
    if (lines_.size() >= kBlock)
        Flush();
}

void GatheredLines::Say(const std::string& text)
{
    Add(std::string(kProgram) + ": " + text);
    Flush();
}

void GatheredLines::Flush()
{
    if (lines_.empty())
        return;
    if (!WriteNow(stream_, lines_) && error_ == 0)
        error_ = errno;
    lines_.clear();
}

void TerminalMessages::ShowMessage(Conversion::MessageKind kind, const std::string& text)
{
    if (kind == Conversion::MessageKind::IllegalYear) {
        told_.Add(TerminalText(text));
        return;
    }
    told_.Flush();
    switch (kind) {
    case Conversion::MessageKind::Summary:
        // A summary that does not arrive must not pass for success. Written at once, it
        // stands beside its log's lines in a file that takes both streams.
        if (!WriteNow(summaryStream_, TerminalName(text) + "\n") && summaryError_ == 0)
            summaryError_ = errno;
        break;
    case Conversion::MessageKind::IllegalYear: // gathered above
    case Conversion::MessageKind::Cancelled:
    case Conversion::MessageKind::Refused:
    case Conversion::MessageKind::Waiting:
        told_.Say(TerminalName(text));
        break;
    }
}

Conversion::Answer TerminalMessages::AskYesNoCancel(const std::string& text)
{
    told_.Flush();
    switch (existing_) {
    case Options::Existing::Replace:
        return Conversion::Answer::Yes;
    case Options::Existing::Append:
        return Conversion::Answer::No;
    case Options::Existing::Refuse:
        break;
    }
    told_.Say(TerminalName(text));
    told_.Say("use --replace to replace it or --append to add to it");
    return Conversion::Answer::Cancel;
}

void TerminalFindings::Report(const Conversion::Finding& finding)
{
    lines_.Add(log_ + ": " + Conversion::DescribeFinding(finding));
}

void TerminalFindings::Count(const Conversion::ConversionResult& result)
{
    lines_.Add(log_ + ": " +
               Conversion::DescribeFindingCount(result.findings, result.findingRecords));
    lines_.Flush();
}

} // namespace CommandLine
