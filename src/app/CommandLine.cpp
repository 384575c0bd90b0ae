#include "app/CommandLine.h"

#include "adif/standard/Windows1252Text.h"
#include "app/TerminalWriter.h"
#include "command/ConvertCommand.h"
#include "command/UnattendedServices.h"
#include "common/ApplicationIdentity.h"
#include "common/ErrorLog.h"
#include "common/PathHelpers.h"
#include "files/RunConflicts.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>
#include <string_view>

namespace CommandLine {

namespace {

constexpr const char* kProgram = "kestrel-to-adif";
constexpr const char* kStandardOutputName = "standard output";

struct Options
{
    enum class Existing { Refuse, Replace, Append };
    Existing existing = Existing::Refuse;
    Conversion::AdifForm form = Conversion::AdifForm::Classic;
    bool check = false;
    std::optional<std::string> output;
    std::vector<std::string> logs;
    bool help = false;
    bool version = false;
};

struct UsageError
{
    std::string problem;
};

// NOLINTNEXTLINE(readability-function-cognitive-complexity): one flat branch per option.
std::optional<UsageError> Parse(const std::vector<std::string>& arguments, Options& options)
{
    const auto setExisting = [&options](Options::Existing existing) -> std::optional<UsageError> {
        if (options.existing != Options::Existing::Refuse && options.existing != existing)
            return UsageError{"--append and --replace cannot be combined"};
        options.existing = existing;
        return std::nullopt;
    };
    const auto setForm = [&options](Conversion::AdifForm form) -> std::optional<UsageError> {
        if (options.form != Conversion::AdifForm::Classic && options.form != form)
            return UsageError{"--adif3 and --adx cannot be combined"};
        options.form = form;
        return std::nullopt;
    };
    bool onlyLogs = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyLogs || argument == "-" || argument.empty() || argument[0] != '-') {
            options.logs.push_back(argument);
        } else if (argument == "--") {
            onlyLogs = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--append") {
            if (auto error = setExisting(Options::Existing::Append))
                return error;
        } else if (argument == "--replace") {
            if (auto error = setExisting(Options::Existing::Replace))
                return error;
        } else if (argument == "--adif3") {
            if (auto error = setForm(Conversion::AdifForm::Standard))
                return error;
        } else if (argument == "--adx") {
            if (auto error = setForm(Conversion::AdifForm::Adx))
                return error;
        } else if (argument == "--check") {
            options.check = true;
        } else if (argument == "-o" || argument == "--output" ||
                   argument.starts_with("--output=")) {
            if (options.output)
                return UsageError{"only one output file can be given"};
            if (argument.starts_with("--output=")) {
                options.output = argument.substr(std::string_view("--output=").size());
            } else if (i + 1 < arguments.size()) {
                options.output = arguments[++i];
            } else {
                return UsageError{"option " + argument + " needs a file name"};
            }
        } else {
            return UsageError{"unknown option " + argument};
        }
    }
    if (options.help || options.version)
        return std::nullopt;
    if (options.logs.empty())
        return UsageError{"no log file given"};
    if (options.check && (options.output || options.existing != Options::Existing::Refuse ||
                          options.form != Conversion::AdifForm::Classic))
        return UsageError{"--check writes nothing and takes no other option"};
    if (options.output && options.logs.size() > 1)
        return UsageError{"-o/--output takes one log only"};
    if (options.output && options.output->empty())
        return UsageError{"the output file name is empty"};
    return std::nullopt;
}

bool WriteLine(std::FILE* stream, const std::string& text)
{
    return WriteText(stream, text + "\n");
}

// One of the program's own messages, named as its messages are.
void Say(std::FILE* stream, const std::string& text)
{
    WriteLine(stream, std::string(kProgram) + ": " + text);
}

void PrintHelp(std::FILE* out)
{
    WriteText(out,
              std::string("Usage: ") + kProgram +
                  " [--adif3 | --adx] [--append | --replace] [-o FILE] LOG...\n"
                  "       " +
                  kProgram +
                  " --check LOG...\n"
                  "Convert Kestrel log files into ADIF files.\n"
                  "\n"
                  "Each LOG is converted into a file of the same name with the extension .ADI,\n"
                  "next to the log.\n"
                  "\n"
                  "      --adif3        write standard ADIF 3, as upload services and strict\n"
                  "                     readers take it, rather than the classic form\n"
                  "      --adx          write ADX, standard ADIF 3 in XML, to LOG's name with\n"
                  "                     the extension .adx\n"
                  "      --check        write nothing; list the records that the standard form\n"
                  "                     changes, leaves out in part or skips\n"
                  "  -o, --output FILE  write the ADIF to FILE instead (one LOG only);\n"
                  "                     '-' writes it to standard output\n"
                  "      --replace      replace an existing ADIF file\n"
                  "      --append       add the QSOs to an existing ADIF file of the same form\n"
                  "  -h, --help         show this help and exit\n"
                  "      --version      show the version and exit\n"
                  "\n"
                  "An existing ADIF file is left as it is unless --replace or --append is given.\n"
                  "The standard forms keep what they cannot write as the log holds it in fields\n"
                  "named APP_KESTRELTOADIF_..., and list each such record on standard error as\n"
                  "'LOG: record N: FIELD \"value\": problem; what was done'; --check lists them\n"
                  "on standard output.\n"
                  "Runs writing into the same folder at the same time take turns.\n"
                  "\n"
                  "Exit status: 0 when every log was converted and reported, 1 when any was\n"
                  "not or the report could not be written, 2 for a usage error. With --check:\n"
                  "0 when no record needs a look, 1 when any does or a log could not be read.\n"
                  "\n"
                  "Unexpected failures are recorded in the error log:\n"
                  "  " +
                  TerminalName(Common::ErrorLogPath()) + "\n");
}

// The lines a conversion tells as it goes, findings and illegal years: a log
// may hold thousands, so they are gathered and written a block at a time
// rather than with a write each. Whatever else is told on the terminal writes
// the gathered lines first, so that everything arrives in the order told.
class GatheredLines
{
public:
    explicit GatheredLines(std::FILE* stream) : stream_(stream) {}
    GatheredLines(const GatheredLines&) = delete;
    GatheredLines& operator=(const GatheredLines&) = delete;
    ~GatheredLines() { Flush(); }

    std::FILE* Stream() const { return stream_; }
    // Room for a line of at most `most` bytes, '\n' included; Added() tells
    // where the line ends.
    char* Room(std::size_t most)
    {
        if (used_ + most > capacity_) {
            Flush();
            if (most > capacity_) {
                capacity_ = std::max(most, kBlock);
                lines_ = std::make_unique_for_overwrite<char[]>(capacity_);
            }
        }
        return lines_.get() + used_;
    }
    void Added(const char* end)
    {
        used_ = static_cast<std::size_t>(end - lines_.get());
        if (used_ >= kBlock)
            Flush();
    }
    void Flush()
    {
        if (used_ == 0)
            return;
        WriteText(stream_, {lines_.get(), used_});
        used_ = 0;
    }

private:
    static constexpr std::size_t kBlock = std::size_t{64} * 1024;
    std::FILE* stream_;
    std::unique_ptr<char[]> lines_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
};

// The command line's answers to the Convert command: what a window would show
// goes to the terminal, and the overwrite question is answered by the options.
class TerminalMessages final : public Conversion::MessageBoxes
{
public:
    TerminalMessages(Options::Existing existing, std::FILE* summaryStream, GatheredLines& err)
        : existing_(existing), summaryStream_(summaryStream), gathered_(err), err_(err.Stream())
    {
    }

    void ShowMessage(Conversion::MessageKind kind, const std::string& text) override
    {
        if (kind == Conversion::MessageKind::IllegalYear) {
            char* const end = WriteTerminalText(gathered_.Room(MostTerminalText(text) + 1), text);
            *end = '\n';
            gathered_.Added(end + 1);
            return;
        }
        gathered_.Flush();
        switch (kind) {
        case Conversion::MessageKind::Summary:
            // A summary that does not arrive must not pass for success.
            if (!WriteLine(summaryStream_, TerminalName(text)) && summaryError_ == 0)
                summaryError_ = errno;
            break;
        case Conversion::MessageKind::IllegalYear: // gathered above
        case Conversion::MessageKind::Cancelled:
        case Conversion::MessageKind::Refused:
        case Conversion::MessageKind::Waiting:
            Say(err_, TerminalName(text));
            break;
        }
    }

    Conversion::Answer AskYesNoCancel(const std::string& text) override
    {
        gathered_.Flush();
        switch (existing_) {
        case Options::Existing::Replace:
            return Conversion::Answer::Yes;
        case Options::Existing::Append:
            return Conversion::Answer::No;
        case Options::Existing::Refuse:
            break;
        }
        Say(err_, TerminalName(text));
        Say(err_, "use --replace to replace it or --append to add to it");
        return Conversion::Answer::Cancel;
    }

    // The first error that kept a summary from its stream, once everything
    // written is flushed; 0 when all arrived.
    int SummaryError()
    {
        errno = 0;
        if (std::fflush(summaryStream_) != 0 && summaryError_ == 0)
            summaryError_ = errno != 0 ? errno : EIO;
        return summaryError_;
    }

private:
    Options::Existing existing_;
    std::FILE* summaryStream_;
    GatheredLines& gathered_;
    std::FILE* err_;
    int summaryError_ = 0;
};

// Tells whether the logs of the run can be converted one after the other
// without one conversion undoing another; says why not when they cannot.
// ADIF sent to standard output writes no file.
bool RunIsSafe(const Options& options, std::FILE* err)
{
    if (options.output && *options.output == "-")
        return true;
    std::vector<Conversion::PlannedConversion> run;
    run.reserve(options.logs.size());
    std::transform(options.logs.begin(), options.logs.end(), std::back_inserter(run),
                   [&options](const std::string& log) {
                       return Conversion::PlannedConversion{
                           log, options.output
                                    ? *options.output
                                    : Common::StripExtension(log) +
                                          std::string(Conversion::FileExtensionOf(options.form))};
                   });
    const std::vector<std::string> conflicts = Conversion::RunConflicts(run);
    for (const std::string& conflict : conflicts)
        Say(err, TerminalName(conflict));
    if (!conflicts.empty())
        Say(err, "nothing was converted");
    return conflicts.empty();
}

// Each finding as a line of its own, named by its log.
class TerminalFindings final : public Conversion::FindingSink
{
public:
    explicit TerminalFindings(GatheredLines& lines) : lines_(lines) {}
    void StartLog(const std::string& log) { log_ = TerminalName(log); }
    void Report(const Conversion::Finding& finding) override
    {
        constexpr std::string_view kAfterLog = ": ";
        char* out = lines_.Room(log_.size() + kAfterLog.size() +
                                Conversion::LongestFindingDescription(finding) + 1);
        out = std::copy(log_.begin(), log_.end(), out);
        out = std::copy(kAfterLog.begin(), kAfterLog.end(), out);
        out = Conversion::WriteFindingDescription(out, finding);
        *out++ = '\n';
        lines_.Added(out);
    }
    void Count(const Conversion::ConversionResult& result)
    {
        lines_.Flush();
        WriteLine(lines_.Stream(),
                  log_ + ": " +
                      Conversion::DescribeFindingCount(result.findings, result.findingRecords));
    }

private:
    GatheredLines& lines_;
    std::string log_;
};

// --check: the findings of every log on standard output.
int CheckLogs(const Options& options, std::FILE* out, std::FILE* err)
{
    GatheredLines listed(out);
    GatheredLines told(err);
    TerminalFindings findings(listed);
    TerminalMessages messages(options.existing, out, told);
    Conversion::NoFileSelector noDialog;
    Conversion::NoSettings settings;
    Conversion::ConvertCommand command(noDialog, messages, settings,
                                       Conversion::WhenFolderBusy::Wait, &findings);
    int status = kConverted;
    for (const std::string& log : options.logs) {
        findings.StartLog(log);
        const Conversion::ConversionResult result = command.CheckLog(log);
        listed.Flush();
        if (result.outcome != Conversion::ConversionResult::Outcome::Converted) {
            Say(err, TerminalName(result.failure));
            status = kFailed;
            continue;
        }
        findings.Count(result);
        if (result.findings != 0)
            status = kFailed;
    }
    if (const int error = messages.SummaryError()) {
        Say(err, std::string(kStandardOutputName) + ": " + std::strerror(error));
        status = kFailed;
    }
    return status;
}

} // namespace

namespace {

void AppendEscaped(std::string& text, unsigned char byte)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    text += "\\x";
    text += kHex[byte >> 4];
    text += kHex[byte & 0x0F];
}

bool IsControl(char32_t character)
{
    return character < 0x20 || (character >= 0x7F && character < 0xA0);
}

// The length of the well-formed UTF-8 sequence at the start of `text` and the
// character it encodes; 0 when the bytes there are not UTF-8.
std::size_t Utf8Sequence(std::string_view text, char32_t& character)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        character = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, character = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, character = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, character = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        character = (character << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    return character >= minimum && character <= 0x10FFFF && !surrogate ? length : 0;
}

} // namespace

std::size_t MostTerminalText(std::string_view bytes)
{
    constexpr std::size_t kMostPerByte = 4; // "\xNN"
    return kMostPerByte * bytes.size();
}

char* WriteTerminalText(char* out, std::string_view bytes)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        // Most of a message is plain ASCII, copied as it is eight bytes at a time.
        while (bytes.size() - at >= 8 && Conversion::ArePlainAscii8(bytes.data() + at)) {
            std::memcpy(out, bytes.data() + at, 8);
            out += 8;
            at += 8;
        }
        if (at == bytes.size())
            break;
        const char c = bytes[at];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            *out++ = c;
        } else if (IsControl(byte)) {
            *out++ = '\\';
            *out++ = 'x';
            *out++ = kHex[byte >> 4];
            *out++ = kHex[byte & 0x0F];
        } else { // Latin-1 0xA0 to 0xFF
            *out++ = static_cast<char>(0xC0 | (byte >> 6));
            *out++ = static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

void AppendTerminalText(std::string& text, std::string_view bytes)
{
    const std::size_t start = text.size();
    text.resize(start + MostTerminalText(bytes));
    const char* const end = WriteTerminalText(text.data() + start, bytes);
    text.resize(static_cast<std::size_t>(end - text.data()));
}

std::string TerminalText(const std::string& bytes)
{
    std::string text;
    AppendTerminalText(text, bytes);
    return text;
}

std::string TerminalName(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t character = 0;
        const std::size_t length = Utf8Sequence(std::string_view(text).substr(at), character);
        if (length == 0 || IsControl(character)) {
            // Every byte of it, so that nothing of it reaches the terminal raw.
            for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i)
                AppendEscaped(shown, static_cast<unsigned char>(text[at + i]));
            at += std::max<std::size_t>(length, 1);
        } else {
            shown.append(text, at, length);
            at += length;
        }
    }
    return shown;
}

int Run(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err)
{
    Options options;
    if (const std::optional<UsageError> error = Parse(arguments, options)) {
        Say(err, error->problem);
        WriteLine(err, std::string("Try '") + kProgram + " --help' for more information.");
        return kUsageError;
    }
    if (options.help) {
        PrintHelp(out);
        return kConverted;
    }
    if (options.version) {
        WriteLine(out, std::string(kProgram) + " (" + Common::Identity().productName + ") " +
                           Common::Version());
        return kConverted;
    }

    if (options.check)
        return CheckLogs(options, out, err);

    const bool adifToStandardOutput = options.output && *options.output == "-";
    GatheredLines told(err);
    TerminalMessages messages(options.existing, adifToStandardOutput ? err : out, told);
    TerminalFindings findings(told);
    Conversion::NoFileSelector noDialog;
    Conversion::NoSettings settings;
    // A script's runs wait for each other rather than fail.
    Conversion::ConvertCommand command(noDialog, messages, settings,
                                       Conversion::WhenFolderBusy::Wait, &findings);
    command.ChooseForm(options.form);

    // Checked for the whole run before anything is written.
    if (!RunIsSafe(options, err))
        return kFailed;
    int status = kConverted;
    for (const std::string& log : options.logs) {
        findings.StartLog(log);
        const Conversion::ConversionResult result =
            adifToStandardOutput ? command.ConvertToStream(log, out, kStandardOutputName)
            : options.output     ? command.ConvertLog(log, *options.output)
                                 : command.ConvertChosenLog(log);
        told.Flush();
        if (result.outcome == Conversion::ConversionResult::Outcome::Failed)
            Say(err, TerminalName(result.failure));
        if (!result.warning.empty())
            Say(err, "warning: " + TerminalName(result.warning));
        if (result.findings != 0)
            findings.Count(result);
        if (result.outcome != Conversion::ConversionResult::Outcome::Converted)
            status = kFailed;
        else if (result.ignoredBytes != 0)
            Say(err, "note: " + TerminalName(log) + " ends in " +
                         std::to_string(result.ignoredBytes) +
                         " bytes too few for a record; they were ignored");
    }
    if (const int error = messages.SummaryError()) {
        // Told on standard error, unless that is where the summary failed.
        if (!adifToStandardOutput)
            Say(err, std::string(kStandardOutputName) + ": " + std::strerror(error));
        status = kFailed;
    }
    return status;
}

} // namespace CommandLine
