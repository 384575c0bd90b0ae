#include "support/ConversionTestSupport.h"
#include "support/PosixTestSupport.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <utility>
#include <vector>

namespace {

using namespace TestSupport;

// The installed program's start-up, run for real: a log path that is a folder
// fails, and the failure reaches the error log in the user's state folder with
// the header block of this run. Of 150 such logs the first hundred failures are
// written, and at the program's exit the count of the rest.
TEST(CommandLineProgram, FailuresReachTheErrorLogWithItsHeader)
{
    const TempFolder state;
    const TempFolder logs;
    std::string command =
        "env XDG_STATE_HOME='" + state.Path() + "' LC_ALL=de_DE.UTF-8 '" KESTREL_TO_ADIF "'";
    for (int i = 0; i < 150; ++i) {
        const std::string log = logs / ("folder" + std::to_string(i) + ".log");
        std::filesystem::create_directory(log);
        command += " '" + log + "'";
    }
    command += " >/dev/null 2>&1";
    // NOLINTNEXTLINE(cert-env33-c): the shell sets the environment and redirections.
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    EXPECT_EQ(WEXITSTATUS(status), 1);

    const std::string text = ReadFile(state / "KestrelToADIF/ErrorLog.txt");
    const std::vector<std::string> lines = SplitCrLfLines(text);
    ASSERT_EQ(lines.size(), 6u + 100u + 1u) << text;
    // Every line ends in CR LF, and no line feed stands alone.
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 107);
    const std::string folder = std::filesystem::canonical(KESTREL_TO_ADIF).parent_path().string();
    const std::string ends[] = {
        " > KestrelToADIF version 1.0.0",
        " > App.Path        : " + folder,
        " > App.exe         : kestrel-to-adif",
        "", // the system's name, below
        " > Country         : Deutschland",
        " > Language        : Deutsch",
        "program error " + std::to_string(EISDIR) +
            " in module KestrelConversion.ConvertCmd_Click: " + std::strerror(EISDIR),
    };
    for (std::size_t i = 0; i < std::size(ends); ++i)
        EXPECT_TRUE(lines[i].ends_with(ends[i])) << lines[i];
    EXPECT_TRUE(lines[105].ends_with(ends[6])) << lines[105];
    EXPECT_TRUE(lines[106].ends_with(" > 50 more reports of this run were not written"));
    const std::string osLabel = " > Operating System: ";
    const std::size_t os = lines[3].find(osLabel);
    ASSERT_NE(os, std::string::npos) << lines[3];
    EXPECT_GT(lines[3].size(), os + osLabel.size()) << lines[3];
}

// Standard output is held in a buffer when it is not a terminal, standard
// error is not: a file that takes both must still have each log's lines
// beside its summary, in the order told.
TEST(CommandLineProgram, BothStreamsInOneFileKeepEachLogsLinesTogether)
{
    const TempFolder logs;
    std::string expected;
    // Contacts of their own: one that repeats another of the run is left out.
    for (const auto& [name, time] : {std::pair{"a", "1412"}, std::pair{"b", "1512"}}) {
        WriteFile(logs / name + ".log", Record(kIllegalYearText) + Record(SampleAt(time)));
        expected += "Illegal year in QSO " + kIllegalYearText + ", ignoring QSO\n";
        expected += std::string(name) +
                    ".log: record 1: QSO_DATE \"01/02/AB\": illegal year; record skipped\n";
        expected +=
            "1 QSOs appended to " + std::string(name) + ".ADI; 1 finding in 1 record, listed in ";
        expected += std::string(name) + "-findings.txt\n";
        expected += std::string(name) + ".log: 1 finding in 1 record\n";
    }
    const std::string command = "cd '" + logs.Path() + "' && env XDG_STATE_HOME='" + logs.Path() +
                                "' '" KESTREL_TO_ADIF "' --adif3 a.log b.log >out.txt 2>&1";
    // NOLINTNEXTLINE(cert-env33-c): the shell sets the folder, environment and redirections.
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
    EXPECT_EQ(ReadFile(logs / "out.txt"), expected);
}

} // namespace

// The installed program under the situations that only a real process
// meets: other runs at the same time, signals, limits, closed streams.
namespace {

using namespace TestSupport;

class ProgramOutputTest : public ::testing::Test
{
protected:
    ProgramOutputTest() { WriteFile(adif, oldContent); }

    // Starts the program on `arguments`; its output and errors go to files
    // named after `tag`.
    pid_t Start(const std::vector<std::string>& arguments, const std::string& tag,
                const std::function<void()>& inChild = {})
    {
        std::vector<std::string> all = {KESTREL_TO_ADIF};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return StartProgram(all, output / (tag + ".out"), output / (tag + ".err"), [&] {
            setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
            const rlimit noCore{0, 0}; // a signal that dumps core leaves no core here
            setrlimit(RLIMIT_CORE, &noCore);
            if (inChild)
                inChild();
        });
    }
    std::string Err(const std::string& tag) const { return ReadFile(output / (tag + ".err")); }

    // Starts an --append of the FIFO `fifo` and waits until it is reading it.
    pid_t StartHeld(const std::string& fifo, const std::string& tag, int& writer)
    {
        MakeFifo(fifo);
        const pid_t child = Start({"--append", "-o", adif, fifo}, tag);
        writer = OpenFifoWhenRead(fifo);
        return child;
    }

    std::size_t RecordCount() const
    {
        const std::string text = ReadFile(adif);
        std::size_t count = 0;
        for (std::size_t at = 0; (at = text.find("<EOR>", at)) != std::string::npos; ++at)
            ++count;
        return count;
    }

    // Each signal ends a run held mid-conversion; the ADIF file must be as it
    // was and no temporary file left.
    void ExpectEachSignalLeavesTheFileAsItWas(std::initializer_list<int> signalNumbers)
    {
        for (const int signalNumber : signalNumbers) {
            SCOPED_TRACE(strsignal(signalNumber));
            int writer = -1;
            const pid_t run = StartHeld(folder / "held.log", "held", writer);
            ASSERT_TRUE(WaitUntil([&] { return HasTemporaryFile(); }));
            kill(run, signalNumber);
            const int status = Finish(run);
            close(writer);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << status;
            EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"day.ADI", "held.log"}));
            EXPECT_EQ(ReadFile(adif), oldContent);
            std::filesystem::remove(folder / "held.log");
        }
    }

    bool HasTemporaryFile() const
    {
        return std::ranges::any_of(folder.Entries(), [](const std::string& name) {
            return name.ends_with(".kestrel-tmp");
        });
    }

    TempFolder state;
    TempFolder output; // the programs' standard output and error
    TempFolder folder;
    std::string adif = folder / "day.ADI";
    std::string oldContent = kEarlierAdif;
};

TEST_F(ProgramOutputTest, ConcurrentAppendsWaitForEachOtherAndLoseNothing)
{
    // Two runs held half-way: the second waits for the first, then appends to
    // what the first wrote.
    int firstWriter = -1;
    int secondWriter = -1;
    const pid_t first = StartHeld(folder / "first.log", "first", firstWriter);
    MakeFifo(folder / "second.log");
    const pid_t second = Start({"--append", "-o", adif, folder / "second.log"}, "second");
    EXPECT_TRUE(WaitUntil([&] { return Err("second").find("waiting") != std::string::npos; }))
        << Err("second");
    FeedFifo(firstWriter, Records(1));
    EXPECT_EQ(ExitCode(Finish(first)), 0) << Err("first");
    secondWriter = OpenFifoWhenRead(folder / "second.log");
    FeedFifo(secondWriter, Records(2));
    EXPECT_EQ(ExitCode(Finish(second)), 0) << Err("second");
    EXPECT_EQ(Err("second"), "kestrel-to-adif: waiting for another conversion writing in the "
                             "folder of " +
                                 adif + " to finish\n");
    EXPECT_EQ(RecordCount(), 1u + 1u + 2u);
    EXPECT_TRUE(ReadFile(adif).starts_with(oldContent));

    // A dozen at once.
    const std::string log = output / "one.log";
    WriteFile(log, Records(1));
    std::vector<pid_t> runs;
    runs.reserve(12);
    for (int i = 0; i < 12; ++i)
        runs.push_back(Start({"--append", "-o", adif, log}, "run" + std::to_string(i)));
    for (const pid_t run : runs)
        EXPECT_EQ(ExitCode(Finish(run)), 0);
    EXPECT_EQ(RecordCount(), 4u + 12u);
    EXPECT_FALSE(HasTemporaryFile());
}

TEST_F(ProgramOutputTest, ASignalMidRunLeavesTheFileAsItWas)
{
    ExpectEachSignalLeavesTheFileAsItWas({SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE});
}

// Not only interrupts: timers, limits, the user's own signals, abort and the
// real-time signals end the program too, and none may leave its temporary file.
TEST_F(ProgramOutputTest, EveryOtherFatalSignalLeavesTheFileAsItWasToo)
{
    ExpectEachSignalLeavesTheFileAsItWas({SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF, SIGXCPU,
                                          SIGABRT, SIGSYS, SIGTRAP, SIGPOLL, SIGPWR, SIGRTMIN,
                                          SIGRTMAX});
}

// An error log that is a FIFO nobody reads would keep the report waiting for
// ever; the report is lost instead, and the run ends as it would have.
TEST_F(ProgramOutputTest, AnErrorLogThatIsAFifoDoesNotHoldTheRun)
{
    std::filesystem::create_directories(state / "KestrelToADIF");
    MakeFifo(state / "KestrelToADIF/ErrorLog.txt");
    const pid_t run = Start({folder / "missing.log"}, "fifo");
    int status = 0;
    const bool ended = WaitUntil([&] { return waitpid(run, &status, WNOHANG) == run; });
    if (!ended) {
        kill(run, SIGKILL);
        Finish(run);
    }
    ASSERT_TRUE(ended) << "the run waited for a reader of its error log";
    EXPECT_EQ(ExitCode(status), 1);
    EXPECT_NE(Err("fifo").find("missing.log"), std::string::npos) << Err("fifo");
}

TEST_F(ProgramOutputTest, TheNextRunRemovesWhatAKilledRunLeft)
{
    int writer = -1;
    const pid_t killed = StartHeld(folder / "held.log", "killed", writer);
    ASSERT_TRUE(WaitUntil([&] { return HasTemporaryFile(); }));
    kill(killed, SIGKILL);
    Finish(killed);
    close(writer);
    ASSERT_TRUE(HasTemporaryFile());

    const std::string log = folder / "next.log";
    WriteFile(log, Records(1));
    EXPECT_EQ(ExitCode(Finish(Start({"--append", "-o", adif, log}, "next"))), 0);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"day.ADI", "held.log", "next.log"}));
    EXPECT_EQ(ReadFile(adif), oldContent + kSampleLine + "\r\n");
}

TEST_F(ProgramOutputTest, AFileSizeLimitIsAnOrdinaryReportedFailure)
{
    const std::string log = output / "big.log";
    WriteFile(log, Records(2000));
    const pid_t run = Start({"--append", "-o", adif, log}, "limited", [] {
        (void)signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{rlim_t{16} * 1024, rlim_t{16} * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(ExitCode(Finish(run)), 1);
    EXPECT_EQ(Err("limited"), "kestrel-to-adif: " + adif + ": " + std::strerror(EFBIG) + "\n");
    EXPECT_NE(ReadFile(state / "KestrelToADIF/ErrorLog.txt").find(std::strerror(EFBIG)),
              std::string::npos);
    EXPECT_EQ(ReadFile(adif), oldContent);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"day.ADI"});
}

// Started with standard error closed, the program must not hand its number
// to the ADIF file: the messages about records would end up in it.
TEST_F(ProgramOutputTest, AClosedStandardErrorNeverReachesTheAdif)
{
    const std::string log = output / "day.log";
    WriteFile(log, Record(kIllegalYearText) + Records(1));
    const std::string fifo = folder / "reader.fifo";
    MakeFifo(fifo);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    const pid_t run = Start({"-o", fifo, log}, "closed", [] { close(STDERR_FILENO); });
    // Converted, but the skipped record could not be told: not a success.
    EXPECT_EQ(ExitCode(Finish(run)), 1);
    std::string adifText;
    char buffer[4096];
    for (ssize_t read; (read = ::read(reader, buffer, sizeof buffer)) > 0;)
        adifText.append(buffer, static_cast<std::size_t>(read));
    close(reader);
    std::vector<std::string> lines = SplitCrLfLines(adifText);
    ASSERT_EQ(lines.size(), kHeaderLines.size() + 1) << adifText;
    lines[1] = kHeaderLines[1]; // the real clock's time stamp
    EXPECT_EQ(lines, Concat({kHeaderLines, {kSampleLine}}));
    EXPECT_EQ(ReadFile(output / "closed.out"), "1 QSOs appended to " + fifo + "\n");
}

} // namespace
