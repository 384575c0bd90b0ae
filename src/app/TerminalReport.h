#pragma once

#include "adif/standard/Findings.h"
#include "app/CommandLineOptions.h"
#include "app/TerminalText.h"
#include "command/ConversionServices.h"
#include "command/ConvertCommand.h"

#include <cstdio>
#include <string>
#include <string_view>

// What the command line tells on the terminal: its own messages, the
// summaries, the records it could not convert and the findings.
namespace CommandLine {

// Writes `text` and a line end; false, with errno set, when it could not.
bool WriteLine(std::FILE* stream, const std::string& text);

// Writes `text` and hands it to the system at once. A stream that is not a terminal holds
// what is written in its buffer, where a failure shows only at the flush, and where it would
// fall behind what the other stream writes into a file that both share. False, with errno
// set, when it could not be written.
bool WriteNow(std::FILE* stream, std::string_view text);

// One of the program's own messages: "kestrel-to-adif: " and the text.
void Say(std::FILE* stream, const std::string& text);

// The lines a conversion tells as it goes, findings and illegal years: a log
// may hold thousands, so they are gathered and written a block at a time
// rather than with a write each. Whatever else is told on the terminal
// writes the gathered lines first, so that everything arrives in the order told.
// Each block is written through to the system (WriteNow).
class GatheredLines
{
public:
    explicit GatheredLines(std::FILE* stream) : stream_(stream) {}
    GatheredLines(const GatheredLines&) = delete;
    GatheredLines& operator=(const GatheredLines&) = delete;
    ~GatheredLines() { Flush(); }

    // `line` and a line end.
    void Add(std::string_view line);
    // One of the program's own messages, written at once after the lines gathered before it.
    void Say(const std::string& text);
    void Flush();
    // The first error that kept lines from the stream; 0 while all arrived.
    int Error() const { return error_; }

private:
    std::FILE* stream_;
    std::string lines_;
    int error_ = 0;
};

// The command line's answers to the Convert command: what a window would show
// goes to the terminal, and the overwrite question is answered by the options.
class TerminalMessages final : public Conversion::MessageBoxes
{
public:
    TerminalMessages(Options::Existing existing, std::FILE* summaryStream, GatheredLines& told)
        : existing_(existing), summaryStream_(summaryStream), told_(told)
    {
    }

    void ShowMessage(Conversion::MessageKind kind, const std::string& text) override;
    Conversion::Answer AskYesNoCancel(const std::string& text) override;

    // The first error that kept a summary from its stream; 0 when all arrived.
    int SummaryError() const { return summaryError_; }

private:
    Options::Existing existing_;
    std::FILE* summaryStream_;
    GatheredLines& told_;
    int summaryError_ = 0;
};

// Each finding as a line of its own, named by its log.
class TerminalFindings final : public Conversion::FindingSink
{
public:
    explicit TerminalFindings(GatheredLines& lines) : lines_(lines) {}
    void StartLog(const std::string& log) { log_ = TerminalName(log); }
    void Report(const Conversion::Finding& finding) override;
    // The log's count of findings, on a line after them.
    void Count(const Conversion::ConversionResult& result);

private:
    GatheredLines& lines_;
    std::string log_;
};

} // namespace CommandLine
