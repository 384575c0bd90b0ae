#pragma once

#include "common/ErrorLog.h"
#include "common/NativePath.h"
#include "common/OutputChannel.h"
#include "common/SystemInfo.h"
#include "common/UTC.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace TestSupport {

// The clock of the tests, and the ADIF header written at that time.
inline const UTC::SystemTime kTestTime{2003, 9, 11, 5, 12, 26, 0};
inline const std::vector<std::string> kHeaderLines = {
    "ADIF file", "created by KestrelToADIF 1.0.0 on 11-Sep-2003 05:12:26 UTC",
    "<ProgramID:13>KestrelToADIF", "<EOH>"};

// An ADIF file as this program wrote it earlier, which records may be added to.
inline const std::string kEarlierAdif =
    "ADIF file\r\ncreated by KestrelToADIF 1.0.0 on 10-Sep-2003 20:00:00 UTC\r\n"
    "<ProgramID:13>KestrelToADIF\r\n<EOH>\r\n<CALL:6>N0CALL <EOR>\r\n";

// One record's 60 characters of fields, and the ADIF line made of them.
inline const std::string kSampleText =
    "10/09/03141214 SSBN0CALL    59    57    FN42  ------------  ";
inline const std::string kSampleLine = "<QSO_DATE:8>20030910 <TIME_ON:4>1412 <FREQ:3>14  "
                                       "<MODE:3>SSB <CALL:6>N0CALL <RST_SENT:2>59 "
                                       "<RST_RCVD:2>57 <GRIDSQUARE:4>FN42 <EOR>";
// Date, time, frequency, mode, callsign, RSTs, grid, comment, QSL flags.
inline const std::string kIllegalYearText = std::string("01/02/AB") + "0930" + "7  " + "CW " +
                                            "DL1ABC    " + "599   " + "599   " + "JO62QM" +
                                            "TNX QSO     " + "S" + "R";

// The sample with `replacement` written over it from 1-based `position` on.
inline std::string Patched(std::size_t position, const std::string& replacement)
{
    return std::string(kSampleText).replace(position - 1, replacement.size(), replacement);
}

// The sample record at another time of its day (HHMM): another contact
// with the same station, which is no duplicate an hour or more apart.
inline std::string SampleAt(const std::string& time)
{
    return Patched(9, time);
}

// One 64-byte log record: 60 characters of fields and four unread bytes.
inline std::string Record(const std::string& text60)
{
    EXPECT_EQ(text60.size(), 60u) << text60;
    return text60 + std::string("\xFF\xFE\0\x01", 4);
}

// Points UTC::CurrentTime at a chosen clock; the system clock is back afterwards.
struct FixedClock
{
    explicit FixedClock(UTC::SystemTimeSource source)
    {
        UTC::SetSystemTimeSource(std::move(source));
    }
    explicit FixedClock(const UTC::SystemTime& time = kTestTime)
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
    ~ScopedLocale() { (void)std::setlocale(LC_ALL, previous.c_str()); }
    std::string previous;
    bool active;
};

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder
{
public:
    TempFolder() { std::filesystem::create_directories(path_); }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return Common::PathText(path_); }
    std::string operator/(const std::string& name) const
    {
        return Common::PathText(path_ / Common::NativePath(name));
    }

    // Names of the entries of the folder, to show that nothing was left behind.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(Common::PathText(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("kestrel-test-" + std::to_string(std::random_device{}()));
};

// Whether the link could be made: Windows makes them only with a privilege,
// Wine not at all.
inline bool CreateSymlink(const std::string& target, const std::string& link)
{
    std::error_code error;
    std::filesystem::create_symlink(Common::NativePath(target), Common::NativePath(link), error);
    return !error;
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(Common::NativePath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.flush()) << path;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(Common::NativePath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::string> SplitCrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        lines.push_back(text.substr(start)); // an unterminated tail shows up as a line
    return lines;
}

// An output channel that keeps everything written to it; from the
// `failingWrite`th write on (counted from 1; 0: none), each fails as on a full disk.
struct CapturedText : Common::OutputChannel
{
    explicit CapturedText(std::size_t failingWrite = 0) : failingWrite(failingWrite) {}
    void Write(std::string_view bytes) override
    {
        ++writes;
        if (failingWrite != 0 && writes >= failingWrite)
            throw std::system_error(ENOSPC, std::generic_category(), "Write");
        text += bytes;
    }
    std::size_t failingWrite;
    std::size_t writes = 0;
    std::string text;
};

// Sends error reports to a file in a fresh folder, as a run of their own: the reports of
// every earlier test would use up the run's share.
class TempErrorLog
{
public:
    TempErrorLog()
    {
        Common::ResetErrorLogForNewRun();
        Common::SetErrorLogPath(path_);
    }
    ~TempErrorLog() { Common::SetErrorLogPath(previous_); }
    std::string Contents() const { return ReadFile(path_); }

private:
    std::string previous_ = Common::ErrorLogPath();
    TempFolder folder_;
    std::string path_ = folder_ / "ErrorLog.txt";
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

// An environment of just these variables.
inline Common::EnvironmentReader EnvironmentOf(const std::map<std::string, std::string>& variables)
{
    return [variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

} // namespace TestSupport
