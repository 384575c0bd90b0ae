// Feeds arbitrary bytes as a log through the whole conversion, the same
// Convert command the programs use, writing the ADIF into memory, and aborts
// on any output that breaks what the conversion promises.

#include "adif/standard/Findings.h"
#include "command/ConversionServices.h"
#include "command/ConvertCommand.h"
#include "command/UnattendedServices.h"
#include "support/AdifShape.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

class KeptMessages : public Conversion::MessageBoxes
{
public:
    void ShowMessage(Conversion::MessageKind kind, const std::string& text) override
    {
        if (kind == Conversion::MessageKind::IllegalYear)
            illegalYears.push_back(text);
    }
    Conversion::Answer AskYesNoCancel(const std::string&) override
    {
        return Conversion::Answer::Cancel;
    }
    std::vector<std::string> illegalYears;
};

[[noreturn]] void Abort(const char* what, const std::string& detail)
{
    (void)std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// The log lives in memory, under a name the conversion opens like any file.
class MemoryLog
{
public:
    MemoryLog() : fd_(memfd_create("log", MFD_CLOEXEC))
    {
        if (fd_ < 0)
            Abort("memfd_create", "failed");
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    const std::string& Hold(const std::uint8_t* data, std::size_t size)
    {
        if (ftruncate(fd_, 0) != 0 ||
            (size != 0 && pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size)))
            Abort("the log in memory", "could not be written");
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

// Counts the records the standard form leaves out as repeating an earlier one.
class LeftOutRecords final : public Conversion::FindingSink
{
public:
    void Report(const Conversion::Finding& finding) override
    {
        if (finding.action == Conversion::Finding::Action::LeftOutRecord)
            ++count;
    }
    std::uint64_t count = 0;
};

// The log converted in `form` into memory.
struct InMemory
{
    std::string adif;
    Conversion::ConversionResult result;
    std::vector<std::string> illegalYears;
    std::uint64_t leftOut = 0; // records the standard form left out as duplicates
};

InMemory ConvertInMemory(const std::string& logPath, Conversion::AdifForm form)
{
    char* adif = nullptr;
    std::size_t adifSize = 0;
    std::FILE* stream = open_memstream(&adif, &adifSize);
    if (stream == nullptr)
        Abort("open_memstream", "failed");
    Conversion::NoFileSelector dialog;
    KeptMessages messages;
    Conversion::NoSettings settings;
    LeftOutRecords leftOut;
    Conversion::ConvertCommand command(dialog, messages, settings,
                                       Conversion::WhenFolderBusy::Refuse, &leftOut);
    command.ChooseForm(form);
    InMemory converted;
    converted.result = command.ConvertToStream(logPath, stream, "memory");
    // Closing the stream is what hands over its last bytes.
    if (std::fclose(stream) != 0)
        Abort("the ADIF in memory", "could not be closed");
    converted.adif.assign(adif, adifSize);
    std::free(adif);
    converted.illegalYears = std::move(messages.illegalYears);
    converted.leftOut = leftOut.count;
    if (converted.result.outcome != Conversion::ConversionResult::Outcome::Converted)
        Abort("the conversion failed", converted.result.failure);
    return converted;
}

// The standard form writes every record the classic form writes, but those
// it leaves out as duplicates, each with its finding; in ASCII 32 to 126 with
// CR LF line ends, whatever the log's bytes.
void CheckStandardForm(const std::string& logPath, std::uint64_t classicCount)
{
    const InMemory standard = ConvertInMemory(logPath, Conversion::AdifForm::Standard);
    if (standard.result.qsoCount + standard.leftOut != classicCount)
        Abort("standard form", "not every record the classic form writes was written");
    std::uint64_t lines = 0;
    for (std::size_t i = 0; i < standard.adif.size(); ++i) {
        const char c = standard.adif[i];
        if (c == '\r' && i + 1 < standard.adif.size() && standard.adif[i + 1] == '\n') {
            ++lines;
            ++i;
        } else if (c < 0x20 || c > 0x7E) {
            Abort("standard form", "a byte beyond ASCII at " + std::to_string(i));
        }
    }
    constexpr std::uint64_t kHeaderLines = 6;
    if (lines != kHeaderLines + standard.result.qsoCount)
        Abort("standard form", "a line per record after the header was expected");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryLog log;
    const std::string& logPath = log.Hold(data, size);

    InMemory classic = ConvertInMemory(logPath, Conversion::AdifForm::Classic);
    AdifShape::Conversion conversion{std::move(classic.adif), std::move(classic.illegalYears),
                                     classic.result.qsoCount, classic.result.ignoredBytes};
    const std::string broken =
        AdifShape::FindBrokenPromise({reinterpret_cast<const char*>(data), size}, conversion);
    if (!broken.empty())
        Abort("broken promise", broken);
    CheckStandardForm(logPath, classic.result.qsoCount);
    return 0;
}
