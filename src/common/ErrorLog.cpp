#include "common/ErrorLog.h"

#include "common/ApplicationIdentity.h"
#include "common/DateTimeText.h"
#include "common/LocaleInfo.h"
#include "common/NativePath.h"
#include "common/ProgramError.h"
#include "common/UTC.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace Common {

namespace {

// A header query may report a few failures of its own; more than this is a flood.
constexpr std::size_t kMaxNestedReports = 16;

// A failure met again and again (every record of a large log) would fill the disk with the
// same line: a run writes this many reports and then only counts the rest.
constexpr int kMaxReportsPerRun = 100;

struct ErrorLogState
{
    std::string path;
    double startTime = 0.0;
    bool headerWritten = false;
    // Reports of this run written (or tried), and those left out once the run had its share.
    int reportsTaken = 0;
    std::uint64_t reportsDropped = 0;
    // Whether the count of those left out is written when the program ends.
    bool countAtExit = false;
    // Set while LogError writes; reports arriving meanwhile wait in nestedReports.
    bool writing = false;
    std::vector<std::string> nestedReports;
};

ErrorLogState& State()
{
    static ErrorLogState state;
    return state;
}

class WritingGuard
{
public:
    explicit WritingGuard(ErrorLogState& state) noexcept : state_(state)
    {
        state_.writing = true;
        state_.nestedReports.clear();
    }
    ~WritingGuard()
    {
        state_.nestedReports.clear();
        state_.writing = false;
    }
    WritingGuard(const WritingGuard&) = delete;
    WritingGuard& operator=(const WritingGuard&) = delete;

private:
    ErrorLogState& state_;
};

template <class Step> void IgnoreFailures(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

void OpenForAppending(std::ofstream& log, const std::string& path)
{
    if (path.empty())
        return;
    const std::filesystem::path file = NativePath(path);
    // The state folder does not exist before the first report of the program's life.
    std::error_code ignored;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), ignored);
    // Only a regular file: opening a FIFO would wait for a reader for ever,
    // and a device is no place for the log. The report is lost instead.
    const std::filesystem::file_status status = std::filesystem::status(file, ignored);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return;
    log.open(file, std::ios::binary | std::ios::app);
}

void WriteLine(std::ofstream& log, const std::string& stamp, const std::string& text)
{
    const std::string line = stamp + " > " + text + "\r\n";
    log.write(line.data(), static_cast<std::streamsize>(line.size()));
}

void WriteHeader(std::ofstream& log) noexcept
{
    std::string stamp;
    IgnoreFailures([&] { stamp = FormatDateTime(State().startTime); });
    const ApplicationIdentity& identity = Identity();
    IgnoreFailures([&] { WriteLine(log, stamp, identity.productName + " version " + Version()); });
    IgnoreFailures(
        [&] { WriteLine(log, stamp, "App.Path        : " + identity.programDirectory); });
    IgnoreFailures([&] { WriteLine(log, stamp, "App.exe         : " + identity.executableName); });
    IgnoreFailures([&] {
        WriteLine(log, stamp,
                  "Operating System: " + GetOSName() + " build " + std::to_string(GetOSBuild()));
    });
    IgnoreFailures(
        [&] { WriteLine(log, stamp, "Country         : " + LocaleInfo::GetLocaleCountry()); });
    IgnoreFailures(
        [&] { WriteLine(log, stamp, "Language        : " + LocaleInfo::GetLocaleLanguage()); });
}

// One report appended, after the header when it is the run's first; reports that arrive
// meanwhile follow it.
void WriteReport(ErrorLogState& state, const std::string& message) noexcept
{
    const WritingGuard guard(state);

    std::ofstream log;
    IgnoreFailures([&] { OpenForAppending(log, state.path); });
    if (!state.headerWritten) {
        WriteHeader(log);
        // Even when nothing could be written: the header is tried once per run.
        state.headerWritten = true;
    }
    std::string stamp;
    IgnoreFailures([&] {
        stamp = FormatDateTime(UTC::CurrentTime());
        WriteLine(log, stamp, message);
    });
    // Stamped like the report they came from: asking the clock again could add more.
    IgnoreFailures([&] {
        for (const std::string& report : state.nestedReports)
            WriteLine(log, stamp, report);
    });
    IgnoreFailures([&] { log.close(); });
}

// The line that ends a run which had more reports than it wrote.
void WriteDroppedCount() noexcept
{
    ErrorLogState& state = State();
    if (state.reportsDropped == 0)
        return;
    IgnoreFailures([&] {
        const bool one = state.reportsDropped == 1;
        WriteReport(state, std::to_string(state.reportsDropped) +
                               (one ? " more report of this run was not written"
                                    : " more reports of this run were not written"));
    });
    state.reportsDropped = 0;
}

} // namespace

const std::string& ErrorLogPath()
{
    return State().path;
}

void SetErrorLogPath(std::string path)
{
    State().path = std::move(path);
}

double StartTime()
{
    return State().startTime;
}

void SetStartTime(double value)
{
    State().startTime = value;
}

bool LogHeaderWritten()
{
    return State().headerWritten;
}

void ResetErrorLogForNewRun()
{
    ErrorLogState& state = State();
    WriteDroppedCount();
    state.headerWritten = false;
    state.reportsTaken = 0;
}

void LogError(const std::string& message) noexcept
{
    ErrorLogState& state = State();
    if (state.writing) {
        // Reported from inside this very report (a header query or the clock failing):
        // queued to follow it instead of starting over, which could go on for ever.
        IgnoreFailures([&] {
            if (state.nestedReports.size() < kMaxNestedReports)
                state.nestedReports.push_back(message);
        });
        return;
    }
    if (state.reportsTaken == kMaxReportsPerRun) {
        ++state.reportsDropped;
        // Their number is known when the run ends; a run killed first leaves it unsaid.
        // Registered once the first reports have made all that writing one needs, the count
        // is written before any of it is destroyed at exit.
        if (!state.countAtExit)
            state.countAtExit = std::atexit(WriteDroppedCount) == 0;
        return;
    }
    ++state.reportsTaken;
    WriteReport(state, message);
}

} // namespace Common
