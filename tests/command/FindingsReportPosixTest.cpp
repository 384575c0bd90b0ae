// What stands at the report's path and is no plain file: never written
// through, never waited on.

#include "support/ConversionTestSupport.h"
#include "support/PosixTestSupport.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

using Conversion::MessageKind;
using namespace TestSupport;
namespace fs = std::filesystem;

namespace {

class FindingsReportPosixTest : public ConvertCommandFixture
{
protected:
    FindingsReportPosixTest() { command.ChooseForm(Conversion::AdifForm::Standard); }
    std::string report = folder / "test-findings.txt";
};

TEST_F(FindingsReportPosixTest, ALinkAFifoOrAFolderAtTheReportsPathIsLeftAsItIs)
{
    const std::string logBytes =
        Records(1) + Record(std::string(kSampleText).replace(15, 3, "DIG"));
    WriteFile(log, logBytes);
    const std::string elsewhere = folder / "elsewhere.txt";
    WriteFile(elsewhere, "someone's\r\n");
    const std::vector<std::pair<std::string, std::function<void()>>> obstacles = {
        // The log itself: written through, the link would destroy it.
        {" is a link", [&] { fs::create_symlink("test.log", report); }},
        {" is a link", [&] { fs::create_symlink(elsewhere, report); }},
        // Opened to be written, a FIFO would hold the conversion up for ever.
        {": not a plain file but a link, a folder, a device or a pipe", [&] { MakeFifo(report); }},
        {": not a plain file but a link, a folder, a device or a pipe",
         [&] { fs::create_directory(report); }},
    };
    for (const auto& [why, make] : obstacles) {
        fs::remove_all(report);
        make();
        const fs::file_type type = fs::symlink_status(report).type();
        const Conversion::ConversionResult result = Click(log, {Conversion::Answer::Yes});
        EXPECT_EQ(result.outcome, Conversion::ConversionResult::Outcome::Converted);
        EXPECT_NE(
            messages.Texts(MessageKind::Summary)
                .back()
                .find("; 1 finding in 1 record, not listed: " + report + why + "; it was left"),
            std::string::npos)
            << messages.Texts(MessageKind::Summary).back();
        EXPECT_EQ(fs::symlink_status(report).type(), type);
    }
    EXPECT_EQ(ReadFile(log), logBytes);
    EXPECT_EQ(ReadFile(elsewhere), "someone's\r\n");
}

} // namespace
