// Logs and error logs that are not plain files, on systems with FIFOs,
// devices and the program's start-up reading XDG_STATE_HOME.

#include "support/ConversionTestSupport.h"
#include "support/PosixTestSupport.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

using Conversion::ConversionResult;
using namespace TestSupport;

namespace {

using HostileLogTest = ConvertCommandFixture;

TEST_F(HostileLogTest, AFifoIsReadToItsEndAndADeviceLikeAnEmptyLog)
{
    MakeFifo(log);
    // The writer sends a record and a half, then the rest and a partial record.
    const std::string bytes = Records(3) + "tail";
    std::thread writer([&] {
        const int fd = OpenFifoWhenRead(log);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(write(fd, bytes.data(), 96), 96);
        FeedFifo(fd, bytes.substr(96));
    });
    const ConversionResult fromFifo = command.ConvertLog(log, adif);
    writer.join();
    EXPECT_EQ(fromFifo.outcome, ConversionResult::Outcome::Converted) << fromFifo.failure;
    EXPECT_EQ(fromFifo.qsoCount, 3u);
    EXPECT_EQ(fromFifo.ignoredBytes, 4u);
    EXPECT_EQ(AdifLines(), Concat({kHeaderLines, {kSampleLine, kSampleLine, kSampleLine}}));

    const ConversionResult fromDevice = command.ConvertLog("/dev/null", folder / "null.ADI");
    EXPECT_EQ(fromDevice.outcome, ConversionResult::Outcome::Converted) << fromDevice.failure;
    EXPECT_EQ(fromDevice.qsoCount, 0u);
    EXPECT_EQ(SplitCrLfLines(ReadFile(folder / "null.ADI")), kHeaderLines);
}

// The error log cannot be written where a file stands in the way of its
// folder: the program still converts, still reports a failure to the user
// with its exit status, and leaves that file alone.
TEST(HostileErrorLog, AFileWhereItsFolderShouldBeLosesTheReportOnly)
{
    const TempFolder folder;
    const std::string blocker = folder / "state";
    WriteFile(blocker, "not a folder");
    const std::string good = folder / "good.log";
    WriteFile(good, Records(2));
    const std::string bad = folder / "bad.log";
    std::filesystem::create_directory(bad); // reading a folder fails
    // Exit code of the program on `log`, its output and errors kept in "out" and "err".
    const auto run = [&](const std::string& log) {
        return ExitCode(
            Finish(StartProgram({KESTREL_TO_ADIF, log}, folder / "out", folder / "err",
                                [&] { setenv("XDG_STATE_HOME", blocker.c_str(), 1); })));
    };

    EXPECT_EQ(run(bad), 1);
    EXPECT_NE(ReadFile(folder / "err").find(bad), std::string::npos) << ReadFile(folder / "err");

    EXPECT_EQ(run(good), 0) << ReadFile(folder / "err");
    EXPECT_EQ(ReadFile(folder / "out"), "2 QSOs appended to " + folder / "good.ADI" + "\n");
    EXPECT_EQ(ReadFile(blocker), "not a folder");
}

} // namespace
