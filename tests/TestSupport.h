#pragma once

#include "ErrorLog.h"
#include "OutputChannel.h"
#include "UTC.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace TestSupport {

// Points UTC::CurrentTime at a chosen clock; the system clock is back afterwards.
struct FixedClock
{
    explicit FixedClock(UTC::SystemTimeSource source)
    {
        UTC::SetSystemTimeSource(std::move(source));
    }
    explicit FixedClock(UTC::SystemTime time)
        : FixedClock(UTC::SystemTimeSource([time] { return time; }))
    {
    }
    ~FixedClock() { UTC::SetSystemTimeSource({}); }
};

// Switches the C library's locale and restores the previous one.
struct ScopedLocale
{
    explicit ScopedLocale(const char* name)
        : previous(std::setlocale(LC_ALL, nullptr)), active(std::setlocale(LC_ALL, name) != nullptr)
    {
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, previous.c_str()); }
    std::string previous;
    bool active;
};

// Records every line; line number `failingLine` (from 1) fails as a full disk would.
struct CapturingOutput : Conversion::OutputChannel
{
    explicit CapturingOutput(std::size_t failingLine = 0) : failingLine(failingLine) {}
    void WriteLine(std::string_view text) override
    {
        if (lines.size() + 1 == failingLine)
            throw std::system_error(ENOSPC, std::generic_category(), "WriteLine");
        lines.emplace_back(text);
    }
    std::size_t failingLine;
    std::vector<std::string> lines;
};

// Sends error reports to a fresh temporary file.
class TempErrorLog
{
public:
    TempErrorLog() { Common::SetErrorLogPath(path_.string()); }
    ~TempErrorLog()
    {
        Common::SetErrorLogPath(previous_);
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    std::string Contents() const
    {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::string previous_ = Common::ErrorLogPath();
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("kestrel-core-test-" + std::to_string(std::random_device{}()) + ".log");
};

// Whether the log holds the report of `number` at `location` as the end of a
// line; what the log puts in front of a report (time stamp) or around it
// (header block) is not the reporter's business.
inline testing::AssertionResult HasReport(const std::string& log, int number,
                                          std::string_view location)
{
    const std::string lineEnd = "program error " + std::to_string(number) + " in module " +
                                std::string(location) + ": " + std::strerror(number) + "\r\n";
    if (log.find(lineEnd) != std::string::npos)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "no line ending \"" << lineEnd << "\" in \"" << log << "\"";
}

} // namespace TestSupport
