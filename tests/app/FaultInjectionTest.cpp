// What the safe output promises, held against every failure the file calls
// can report. kestrel-to-adif runs with FaultInjection.cpp preloaded: once to
// count its calls, then once for each call and each kind of failure, with that
// call failing. After every run the ADIF file is what it was before or the
// complete new file; a run that did not complete it exits 1 and says why; an
// interrupted call (EINTR) is retried, never the end of a run; no temporary
// file is left. Then conversions of a large log are killed outright at random
// moments, each followed by a run that must clean up after it.
#include "examples/RandomLog.h"
#include "support/ConversionTestSupport.h"
#include "support/PosixTestSupport.h"
#include "support/TestSupport.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace TestSupport;

struct Mode
{
    std::string name;
    std::vector<std::string> options; // --replace, --append or none
    bool existing = false;            // an ADIF file is there before the run
    std::map<std::string, std::string> environment;
    // A findings report of an earlier conversion stands beside the old file,
    // and the run writes standard ADIF 3, whose findings replace it.
    bool withReport = false;
};

const Mode kNewFile{"new file", {}, false, {}};
const Mode kReplace{"replace", {"--replace"}, true, {}};
const Mode kAppend{"append", {"--append"}, true, {}};
// Appending on a file system that shares blocks: the old content is cloned.
const Mode kAppendByClone{"append by clone", {"--append"}, true, {{"KESTREL_FAULT_CLONE", "1"}}};
// A file system without renameat2: the new file is put in place by a hard link.
const Mode kNewFileByLink{"new file by link", {}, false, {{"KESTREL_FAULT_NO_RENAMEAT2", "1"}}};
const Mode kStandardWithReport{
    "standard with its report", {"--adif3", "--replace"}, true, {}, true};

struct Outcome
{
    int status = 0; // the wait status
    std::string err;
    std::vector<std::string> calls; // "name descriptor[ failed]", one per call
};

// The bytes without the header's time stamp: the second line, or in
// standard ADIF 3 the value of CREATED_TIMESTAMP.
std::string WithoutTimeStamp(std::string adif)
{
    const std::string created = "<CREATED_TIMESTAMP:15>";
    if (const std::size_t at = adif.find(created); at != std::string::npos)
        return adif.erase(at + created.size(), 15);
    const std::size_t first = adif.find("\r\n");
    const std::size_t second = first == std::string::npos ? first : adif.find("\r\n", first + 2);
    if (second == std::string::npos)
        return adif;
    return adif.substr(0, first) + adif.substr(second);
}

class FaultInjection : public ::testing::Test
{
protected:
    // A finished ADIF file that the replace and append modes start from.
    const std::string oldContent = kEarlierAdif;

    const std::string oldReport =
        "Records that day.ADI holds in another form or not at all:\r\nrecord 1: old\r\n";

    std::string Log() const { return folder / "day.log"; }
    std::string Adif() const { return folder / "day.ADI"; }
    std::string Report() const { return folder / "day-findings.txt"; }

    // The folder as each run finds it: the log, and the old ADIF file where the mode has one.
    void Prepare(const Mode& mode, const std::string& log)
    {
        for (const std::string& name : folder.Entries())
            std::filesystem::remove(folder / name);
        WriteFile(Log(), log);
        if (mode.existing)
            WriteFile(Adif(), oldContent);
        if (mode.withReport)
            WriteFile(Report(), oldReport);
    }

    Outcome Convert(const Mode& mode, bool preload, long failAt = 0, const std::string& error = {})
    {
        std::vector<std::string> arguments = {KESTREL_TO_ADIF};
        arguments.insert(arguments.end(), mode.options.begin(), mode.options.end());
        arguments.push_back(Log());
        const std::string report = scratch / "calls";
        std::filesystem::remove(report);
        const pid_t child = StartProgram(arguments, scratch / "out", scratch / "err", [&] {
            setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
            // The preloaded library comes before a sanitizer's run-time.
            setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
            if (!preload)
                return;
            setenv("LD_PRELOAD", KESTREL_FAULT_LIBRARY, 1);
            setenv("KESTREL_FAULT_REPORT", report.c_str(), 1);
            for (const auto& [name, value] : mode.environment)
                setenv(name.c_str(), value.c_str(), 1);
            if (failAt > 0) {
                setenv("KESTREL_FAULT_AT", std::to_string(failAt).c_str(), 1);
                setenv("KESTREL_FAULT_ERROR", error.c_str(), 1);
            }
        });
        Outcome run;
        run.status = Finish(child);
        run.err = ReadFile(scratch / "err");
        std::istringstream calls(ReadFile(report));
        for (std::string line; std::getline(calls, line);)
            run.calls.push_back(line);
        return run;
    }

    // What the conversion writes when nothing fails, made without the library.
    std::string Expected(const Mode& mode, const std::string& log)
    {
        Prepare(mode, log);
        const Outcome run = Convert(mode, false);
        EXPECT_EQ(ExitCode(run.status), 0) << run.err;
        const std::string adif = ReadFile(Adif());
        if (mode.existing && mode.options[0] == "--append") {
            EXPECT_TRUE(adif.starts_with(oldContent));
        }
        EXPECT_NE(adif.find("<EOR>"), std::string::npos);
        if (mode.withReport) {
            expectedReport_ = ReadFile(Report());
            EXPECT_NE(expectedReport_, oldReport) << "the log has no findings";
        }
        return WithoutTimeStamp(adif);
    }

    bool HasTemporaryFile() const
    {
        return std::ranges::any_of(folder.Entries(), [](const std::string& name) {
            return name.ends_with(".kestrel-tmp");
        });
    }

    // What the promise allows after a run; empty when it holds.
    std::string Broken(const Mode& mode, const Outcome& run, const std::string& expected,
                       const std::string& failedCall, const std::string& error)
    {
        if (!WIFEXITED(run.status))
            return "ended by signal " + std::to_string(WTERMSIG(run.status));
        const int code = WEXITSTATUS(run.status);
        const bool exists = std::filesystem::exists(Adif());
        const std::string adif = exists ? ReadFile(Adif()) : std::string();
        const bool complete = exists && WithoutTimeStamp(adif) == expected;
        const bool unchanged = mode.existing ? adif == oldContent : !exists;
        std::string broken;
        if (!complete && !unchanged)
            broken += " the ADIF file is neither the old one nor the new one;";
        if (code != 0 && code != 1)
            broken += " exit status " + std::to_string(code) + ";";
        if (code == 0 && !complete)
            broken += " exit status 0 without the complete file;";
        if (code != 0 && run.err.find("kestrel-to-adif: ") == std::string::npos)
            broken += " no message;";
        // lseek never reports EINTR; the others may, and are to be retried.
        if (error == "EINTR" && code != 0 && !failedCall.starts_with("lseek "))
            broken += " an interrupted call failed the run;";
        if (HasTemporaryFile())
            broken += " a temporary file was left;";
        if (mode.withReport) {
            const std::string report = ReadFile(Report());
            if (report != oldReport && report != expectedReport_)
                broken += " the report is neither the old one nor the new one;";
            if (complete && report != expectedReport_ &&
                run.err.find(Report()) == std::string::npos)
                broken += " the report was not written and nothing said so;";
        }
        return broken;
    }

    // Fails the calls in `numbers` in turn, with every kind of failure, and
    // returns how many runs that took.
    int FailEachCall(const Mode& mode, const std::string& log, std::size_t step = 1)
    {
        const std::string expected = Expected(mode, log);
        Prepare(mode, log);
        const Outcome counted = Convert(mode, true);
        EXPECT_EQ(ExitCode(counted.status), 0) << counted.err;
        EXPECT_EQ(WithoutTimeStamp(ReadFile(Adif())), expected) << "the library changed the run";
        EXPECT_GT(counted.calls.size(), 5u);
        std::vector<std::string> findings;
        int runs = 0;
        for (std::size_t at = 1; at <= counted.calls.size(); at += step) {
            const std::string& call = counted.calls[at - 1];
            const bool transfers = call.starts_with("read ") || call.starts_with("write ");
            for (const std::string error : {"EIO", "ENOSPC", "EINTR", "SHORT"}) {
                if (error == "SHORT" && !transfers)
                    continue;
                Prepare(mode, log);
                const Outcome run = Convert(mode, true, static_cast<long>(at), error);
                ++runs;
                const std::string broken = Broken(mode, run, expected, call, error);
                if (broken.empty())
                    continue;
                std::string finding = mode.name + ", call " + std::to_string(at);
                finding.append(" (").append(call).append(") ").append(error).append(":");
                finding.append(broken).append(" ").append(run.err);
                findings.push_back(finding);
            }
        }
        std::string listed;
        for (const std::string& finding : findings)
            listed += finding + "\n";
        EXPECT_TRUE(findings.empty()) << findings.size() << " runs broke the promise:\n" << listed;
        std::cout << mode.name << ": " << counted.calls.size() << " calls, " << runs
                  << " runs with one failing\n";
        return runs;
    }

    std::string expectedReport_;
    TempFolder folder;
    TempFolder scratch; // the program's output and the library's report
    TempFolder state;   // the error log
};

TEST_F(FaultInjection, EveryCallOfASmallConversionFailsInTurn)
{
    const std::string log = Examples::RandomLogBytes(40, 18);
    for (const Mode& mode :
         {kNewFile, kReplace, kAppend, kAppendByClone, kNewFileByLink, kStandardWithReport})
        FailEachCall(mode, log);
}

// Blocks of the buffer and the copy many times over: a sample of the calls.
TEST_F(FaultInjection, SampledCallsOfALargeConversionFail)
{
    const std::string log = Examples::RandomLogBytes(20000, 1218);
    for (const Mode& mode : {kReplace, kAppend})
        FailEachCall(mode, log, 3);
}

TEST_F(FaultInjection, AConversionKilledAtAnyMomentLeavesTheOldFileOrTheNew)
{
    const std::string log = Examples::RandomLogBytes(400000, 4);
    const std::map<std::string, std::string> expected = {
        {kNewFile.name, Expected(kNewFile, log)},
        {kReplace.name, Expected(kReplace, log)},
        {kAppend.name, Expected(kAppend, log)},
    };
    // As long as one whole conversion takes, and a little more.
    Prepare(kReplace, log);
    const auto start = std::chrono::steady_clock::now();
    Convert(kReplace, false);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    // NOLINTNEXTLINE(cert-msc32-c,cert-msc51-cpp): the same moments in every run.
    std::mt19937 random(2026);
    std::uniform_int_distribution<long> moment(0, whole.count() * 5 / 4);
    const std::string smallLog = Records(3);
    const Mode* const modes[] = {&kNewFile, &kReplace, &kAppend};
    constexpr int kKills = 36;
    int caughtMidway = 0;
    for (int i = 0; i < kKills; ++i) {
        const Mode& mode = *modes[i % 3];
        SCOPED_TRACE(mode.name + ", kill " + std::to_string(i));
        Prepare(mode, log);
        std::vector<std::string> arguments = {KESTREL_TO_ADIF};
        arguments.insert(arguments.end(), mode.options.begin(), mode.options.end());
        arguments.push_back(Log());
        const pid_t run = StartProgram(arguments, "/dev/null", "/dev/null",
                                       [&] { setenv("XDG_STATE_HOME", state.Path().c_str(), 1); });
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(run, SIGKILL);
        const int status = Finish(run);
        caughtMidway += WIFSIGNALED(status) && HasTemporaryFile() ? 1 : 0;
        const bool exists = std::filesystem::exists(Adif());
        const std::string adif = exists ? ReadFile(Adif()) : std::string();
        const bool unchanged = mode.existing ? adif == oldContent : !exists;
        EXPECT_TRUE(unchanged || WithoutTimeStamp(adif) == expected.at(mode.name));

        // The next conversion of the file removes what the killed one left.
        WriteFile(Log(), smallLog);
        const Outcome next = Convert(kReplace, false);
        EXPECT_EQ(ExitCode(next.status), 0) << next.err;
        EXPECT_FALSE(HasTemporaryFile());
        EXPECT_EQ(SplitCrLfLines(ReadFile(Adif())).size(), kHeaderLines.size() + 3);
    }
    // Most moments fall inside the conversion, where a temporary file is pending.
    EXPECT_GE(caughtMidway, kKills / 4);
    std::cout << kKills << " kills, " << caughtMidway << " during the conversion\n";
}

} // namespace
