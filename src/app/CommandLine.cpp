#include "CommandLine.h"

#include "ApplicationIdentity.h"
#include "ConvertCommand.h"
#include "ErrorLog.h"

#include <optional>

namespace CommandLine {

namespace {

constexpr const char* kProgram = "kestrel-to-adif";
constexpr const char* kStandardOutputName = "standard output";

struct Options
{
    enum class Existing { Refuse, Replace, Append };
    Existing existing = Existing::Refuse;
    std::optional<std::string> output;
    std::vector<std::string> logs;
    bool help = false;
    bool version = false;
};

struct UsageError
{
    std::string problem;
};

std::optional<UsageError> Parse(const std::vector<std::string>& arguments, Options& options)
{
    const auto setExisting = [&options](Options::Existing existing) -> std::optional<UsageError> {
        if (options.existing != Options::Existing::Refuse && options.existing != existing)
            return UsageError{"--append and --replace cannot be combined"};
        options.existing = existing;
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
    if (options.output && options.logs.size() > 1)
        return UsageError{"-o/--output takes one log only"};
    if (options.output && options.output->empty())
        return UsageError{"the output file name is empty"};
    return std::nullopt;
}

void PrintHelp(std::FILE* out)
{
    std::fprintf(out,
                 "Usage: %s [--append | --replace] [-o FILE | --output FILE] LOG...\n"
                 "Convert Kestrel log files into ADIF files.\n"
                 "\n"
                 "Each LOG is converted into a file of the same name with the extension .ADI,\n"
                 "next to the log.\n"
                 "\n"
                 "  -o, --output FILE  write the ADIF to FILE instead (one LOG only);\n"
                 "                     '-' writes it to standard output\n"
                 "      --replace      replace an existing ADIF file\n"
                 "      --append       add the QSOs to an existing ADIF file\n"
                 "  -h, --help         show this help and exit\n"
                 "      --version      show the version and exit\n"
                 "\n"
                 "An existing ADIF file is left as it is unless --replace or --append is given.\n"
                 "\n"
                 "Exit status: 0 when every log was converted, 1 when any was not,\n"
                 "2 for a usage error.\n"
                 "\n"
                 "Unexpected failures are recorded in the error log:\n"
                 "  %s\n",
                 kProgram, Common::ErrorLogPath().c_str());
}

// The command line's answers to the Convert command: what a window would show
// goes to the terminal, and the overwrite question is answered by the options.
class TerminalMessages final : public Conversion::MessageBoxes
{
public:
    TerminalMessages(Options::Existing existing, std::FILE* summaryStream, std::FILE* err)
        : existing_(existing), summaryStream_(summaryStream), err_(err)
    {
    }

    void ShowMessage(Conversion::MessageKind kind, const std::string& text) override
    {
        switch (kind) {
        case Conversion::MessageKind::Summary:
            std::fprintf(summaryStream_, "%s\n", text.c_str());
            break;
        case Conversion::MessageKind::IllegalYear:
            std::fprintf(err_, "%s\n", TerminalText(text).c_str());
            break;
        case Conversion::MessageKind::Cancelled:
        case Conversion::MessageKind::Refused:
            std::fprintf(err_, "%s: %s\n", kProgram, text.c_str());
            break;
        }
    }

    Conversion::Answer AskYesNoCancel(const std::string& text) override
    {
        switch (existing_) {
        case Options::Existing::Replace:
            return Conversion::Answer::Yes;
        case Options::Existing::Append:
            return Conversion::Answer::No;
        case Options::Existing::Refuse:
            break;
        }
        std::fprintf(err_, "%s: %s\n%s: use --replace to replace it or --append to add to it\n",
                     kProgram, text.c_str(), kProgram);
        return Conversion::Answer::Cancel;
    }

private:
    Options::Existing existing_;
    std::FILE* summaryStream_;
    std::FILE* err_;
};

// The command line chooses its logs by name: no dialog, and nothing of the
// window's remembered folder is changed.
class NoFileSelector final : public Conversion::FileSelector
{
public:
    std::optional<std::string> ShowOpen(const Conversion::OpenDialogOptions&) override
    {
        return std::nullopt;
    }
};

// Nor does it keep anything for the next run.
class NoSettings final : public Conversion::SettingsStore
{
public:
    std::string GetSetting(const std::string&, const std::string&, const std::string&,
                           const std::string& defaultValue) override
    {
        return defaultValue;
    }
    void SaveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override
    {
    }
};

} // namespace

std::string TerminalText(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) {
            constexpr char kHex[] = "0123456789ABCDEF";
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0x0F];
        } else if (byte >= 0xA0) {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            text += c;
        }
    }
    return text;
}

int Run(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err)
{
    Options options;
    if (const std::optional<UsageError> error = Parse(arguments, options)) {
        std::fprintf(err, "%s: %s\nTry '%s --help' for more information.\n", kProgram,
                     error->problem.c_str(), kProgram);
        return kUsageError;
    }
    if (options.help) {
        PrintHelp(out);
        return kConverted;
    }
    if (options.version) {
        std::fprintf(out, "%s (%s) %s\n", kProgram, Common::Identity().productName.c_str(),
                     Common::Version().c_str());
        return kConverted;
    }

    const bool adifToStandardOutput = options.output && *options.output == "-";
    TerminalMessages messages(options.existing, adifToStandardOutput ? err : out, err);
    NoFileSelector noDialog;
    NoSettings settings;
    Conversion::ConvertCommand command(noDialog, messages, settings);

    int status = kConverted;
    for (const std::string& log : options.logs) {
        const Conversion::ConversionResult result =
            adifToStandardOutput ? command.ConvertToStream(log, out, kStandardOutputName)
            : options.output     ? command.ConvertLog(log, *options.output)
                                 : command.ConvertChosenLog(log);
        if (result.outcome == Conversion::ConversionResult::Outcome::Failed)
            std::fprintf(err, "%s: %s\n", kProgram, result.failure.c_str());
        if (result.outcome != Conversion::ConversionResult::Outcome::Converted)
            status = kFailed;
    }
    return status;
}

} // namespace CommandLine
