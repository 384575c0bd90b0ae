#include "command/ConvertCommand.h"

#include "common/ApplicationIdentity.h"
#include "support/ConversionTestSupport.h"
#include "support/TestSupport.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using Conversion::Answer;
using Conversion::ConversionResult;
using Conversion::MessageKind;
using namespace TestSupport;

namespace {

using ConvertCommandTest = ConvertCommandFixture;

TEST_F(ConvertCommandTest, CancelInTheOpenDialogTouchesNothing)
{
    settings.values[kLogDirectoryKey] = "/somewhere";
    const ConversionResult result = Click(std::nullopt);
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::NotStarted);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(settings.values[kLogDirectoryKey], "/somewhere");
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(ConvertCommandTest, OpenDialogStartsInTheRememberedFolderWithThePreviousChoice)
{
    Common::IdentifyRunningProgram("/opt/kestrel/bin/kestrel-to-adif");
    WriteFile(log, Records(1));
    Click(log);
    ASSERT_EQ(selector.shown.size(), 1u);
    EXPECT_EQ(selector.shown[0].initDir, "/opt/kestrel/bin"); // no folder remembered yet
    EXPECT_EQ(selector.shown[0].fileName, "");
    EXPECT_EQ(selector.shown[0].defaultExt, ".log");
    EXPECT_EQ(selector.shown[0].filterDescription, "Log (*.log)");
    EXPECT_EQ(selector.shown[0].filterPattern, "*.log");

    Click(std::nullopt);
    ASSERT_EQ(selector.shown.size(), 2u);
    EXPECT_EQ(selector.shown[1].initDir, folder.Path());
    EXPECT_EQ(selector.shown[1].fileName, log);
}

TEST_F(ConvertCommandTest, NewReplacedAppendedAndCancelledLikeTheUserChose)
{
    WriteFile(log, Records(3));
    const std::vector<std::string> records(3, kSampleLine);

    // A new file: header and records, "appended".
    EXPECT_EQ(Click(log).qsoCount, 3u);
    EXPECT_EQ(AdifLines(), Concat({kHeaderLines, records}));
    EXPECT_EQ(ReadFile(adif).substr(ReadFile(adif).size() - 7), "<EOR>\r\n");
    EXPECT_EQ(messages.Texts(MessageKind::Summary).back(), "3 QSOs appended to " + adif);
    EXPECT_EQ(settings.values[kLogDirectoryKey], folder.Path());

    // Yes: the old content is replaced.
    Click(log, {Answer::Yes});
    EXPECT_EQ(messages.questions.back(), adif + " already exists; delete its contents?");
    EXPECT_EQ(AdifLines(), Concat({kHeaderLines, records}));
    EXPECT_EQ(messages.Texts(MessageKind::Summary).back(), "3 QSOs written to " + adif);

    // No: the records follow the old ones, under the one header.
    Click(log, {Answer::No});
    EXPECT_EQ(AdifLines(), Concat({kHeaderLines, records, records}));
    EXPECT_EQ(messages.Texts(MessageKind::Summary).back(), "3 QSOs appended to " + adif);

    // Cancel: nothing written, but the folder is already remembered.
    const std::string before = ReadFile(adif);
    settings.values.clear();
    const ConversionResult cancelled = Click(log, {Answer::Cancel});
    EXPECT_EQ(cancelled.outcome, ConversionResult::Outcome::NotStarted);
    EXPECT_EQ(messages.messages.back().text, "conversion cancelled");
    EXPECT_EQ(ReadFile(adif), before);
    EXPECT_EQ(settings.values[kLogDirectoryKey], folder.Path());
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"test.ADI", "test.log"}));
}

TEST_F(ConvertCommandTest, AppendingAddsALineEndOnlyWhereTheOldContentLacksOne)
{
    WriteFile(log, Records(1));
    const struct
    {
        std::string existing;
        std::string expected;
    } cases[] = {
        {"", "ADIF file"}, // empty: gets the header
        {"<CALL:3>old <EOR>\r\n", "<CALL:3>old <EOR>\r\n" + kSampleLine},
        {"<CALL:3>old <EOR>", "<CALL:3>old <EOR>\r\n" + kSampleLine},
        {"<CALL:3>old <EOR>\n", "<CALL:3>old <EOR>\n\r\n" + kSampleLine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.existing);
        WriteFile(adif, c.existing);
        Click(log, {Answer::No});
        EXPECT_TRUE(ReadFile(adif).starts_with(c.expected)) << ReadFile(adif);
        EXPECT_TRUE(ReadFile(adif).ends_with(kSampleLine + "\r\n"));
    }
}

// Classic records go only into classic ADIF; any other file is left byte for
// byte as it was, and the refusal says what the file seems to be.
TEST_F(ConvertCommandTest, AnAppendToAFileOfAnotherKindIsRefusedAndLeavesItAsItWas)
{
    WriteFile(log, Records(2));
    const std::string adx = adif + " is an ADX file, to which records cannot be added; replace "
                                   "it or convert to another file";
    const std::string standard = adif + " holds standard ADIF 3; classic ADIF records are not "
                                        "added to it, so that the file keeps one form";
    const std::string adxBody =
        "<ADX>\r\n<HEADER>\r\n</HEADER>\r\n<RECORDS>\r\n</RECORDS>\r\n</ADX>\r\n";
    const struct
    {
        std::string existing;
        std::string message;
    } cases[] = {
        {adxBody, adx},
        {"<!-- exported -->\r\n" + adxBody, adx},
        {"<ADIF_VER:5>3.1.7 <EOH>\r\n<CALL:4>N0CA <EOR>\r\n", standard},
        {std::string(5000, 'x') + "\r\n<ADIF_VER:5>3.1.7\r\n<EOH>\r\n", standard},
        {std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01", 13),
         adif + " does not look like ADIF (it starts with binary data); nothing was added to it"},
        {"shopping list\r\nmilk\r\n",
         adif + " holds plain text, not ADIF; nothing was added to it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        WriteFile(adif, c.existing);
        messages.messages.clear();
        EXPECT_EQ(Click(log, {Answer::No}).outcome, ConversionResult::Outcome::NotStarted);
        EXPECT_EQ(messages.Texts(MessageKind::Refused), std::vector<std::string>{c.message});
        EXPECT_EQ(ReadFile(adif), c.existing);
        EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"test.ADI", "test.log"}));
    }
}

TEST_F(ConvertCommandTest, OnlyCompleteRecordsAreConverted)
{
    const struct
    {
        std::string name;
        std::size_t bytes;
        std::uint64_t expected;
    } cases[] = {
        {"empty", 0, 0}, {"partial only", 63, 0}, {"200 bytes", 200, 3}, {"exact", 192, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(log, Records(4).substr(0, c.bytes));
        const ConversionResult result = Click(log, {Answer::Yes, Answer::Yes});
        EXPECT_EQ(result.qsoCount, c.expected);
        EXPECT_EQ(AdifLines(),
                  Concat({kHeaderLines, std::vector<std::string>(c.expected, kSampleLine)}));
    }
}

TEST_F(ConvertCommandTest, IllegalYearIsShownOnceAndSkipped)
{
    WriteFile(log, Records(1) + Record(kIllegalYearText) + Records(1));
    const ConversionResult result = Click(log);
    EXPECT_EQ(result.qsoCount, 2u);
    EXPECT_EQ(
        messages.Texts(MessageKind::IllegalYear),
        std::vector<std::string>{"Illegal year in QSO " + kIllegalYearText + ", ignoring QSO"});
    EXPECT_EQ(AdifLines(), Concat({kHeaderLines, {kSampleLine, kSampleLine}}));
    EXPECT_EQ(messages.Texts(MessageKind::Summary).back(), "2 QSOs appended to " + adif);
}

TEST_F(ConvertCommandTest, CountsPastSixteenBits)
{
    WriteFile(log, Records(40000));
    const ConversionResult result = Click(log);
    EXPECT_EQ(result.qsoCount, 40000u);
    EXPECT_EQ(AdifLines().size(), 40004u);
    EXPECT_EQ(messages.Texts(MessageKind::Summary).back(), "40000 QSOs appended to " + adif);
}

TEST_F(ConvertCommandTest, ALogNamedLikeItsAdifFileIsRefused)
{
    const std::string adifNamedLog = folder / "contest.ADI";
    WriteFile(adifNamedLog, Records(2));
    const ConversionResult result = Click(adifNamedLog);
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::NotStarted);
    EXPECT_TRUE(messages.questions.empty());
    ASSERT_EQ(messages.Texts(MessageKind::Refused).size(), 1u);
    EXPECT_EQ(ReadFile(adifNamedLog), Records(2));

    // The same file under another name (a link) is the same file too.
    if (!CreateSymlink(adifNamedLog, folder / "alias.ADI"))
        GTEST_SKIP() << "this system makes no symbolic links";
    EXPECT_EQ(command.ConvertLog(adifNamedLog, folder / "alias.ADI").outcome,
              ConversionResult::Outcome::NotStarted);
    EXPECT_EQ(ReadFile(adifNamedLog), Records(2));
}

TEST_F(ConvertCommandTest, AMissingLogFailsWithoutCreatingAnything)
{
    const ConversionResult result = Click(folder / "typo.log");
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::Failed);
    EXPECT_EQ(result.failure, folder / "typo.log" + ": " + std::strerror(ENOENT));
    EXPECT_TRUE(messages.messages.empty()); // the failure path shows nothing
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_TRUE(HasReport(errorLog.Contents(), ENOENT, "KestrelConversion.ConvertCmd_Click"));
}

TEST_F(ConvertCommandTest, AFailureLeavesTheAdifFileAsItWasAndNoTemporaryFile)
{
    const std::string old = kEarlierAdif;
    WriteFile(adif, old);
    std::filesystem::create_directory(log); // reading a folder fails
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        const ConversionResult result = Click(log, {answer});
        EXPECT_EQ(result.outcome, ConversionResult::Outcome::Failed);
        EXPECT_EQ(ReadFile(adif), old);
        EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"test.ADI", "test.log"}));
    }
}

// A name the user chose that cannot take the ADIF file is refused in words
// the window shows, not sent to the error log alone.
TEST_F(ConvertCommandTest, AnOutputThatCannotBeCreatedIsRefusedAndSaidSo)
{
    WriteFile(log, Records(1));
    WriteFile(folder / "plain-file", "");
    std::filesystem::create_directory(folder / "folder.ADI");
    for (const std::string& output : {folder / "plain-file/x.ADI", folder / "folder.ADI"}) {
        const ConversionResult result = command.ConvertLog(log, output);
        EXPECT_EQ(result.outcome, ConversionResult::Outcome::Refused);
        // Windows finds no such folder where POSIX finds a file in the way.
        EXPECT_TRUE(result.failure.starts_with(output + ": ")) << result.failure;
        EXPECT_EQ(messages.Texts(MessageKind::Refused).back(), result.failure);
    }
    EXPECT_EQ(errorLog.Contents(), "");
    // A log that cannot be read stays on the failure path.
    const ConversionResult unread = command.ConvertLog(folder / "folder.ADI", adif);
    EXPECT_EQ(unread.outcome, ConversionResult::Outcome::Failed);
    EXPECT_NE(errorLog.Contents(), "");
}

TEST_F(ConvertCommandTest, ALinkedAdifFileIsReplacedThroughTheLink)
{
    WriteFile(log, Records(1));
    WriteFile(folder / "real.ADI", "old\r\n");
    if (!CreateSymlink(folder / "real.ADI", adif))
        GTEST_SKIP() << "this system makes no symbolic links";
    Click(log, {Answer::Yes});
    EXPECT_TRUE(std::filesystem::is_symlink(adif));
    EXPECT_EQ(SplitCrLfLines(ReadFile(folder / "real.ADI")), Concat({kHeaderLines, {kSampleLine}}));
}

#ifndef _WIN32
TEST_F(ConvertCommandTest, ADeviceIsWrittenDirectlyWithoutAQuestion)
{
    WriteFile(log, Records(2));
    EXPECT_EQ(command.ConvertLog(log, "/dev/null").outcome, ConversionResult::Outcome::Converted);
    EXPECT_TRUE(messages.questions.empty()); // a device is no ADIF file to protect
}

// A disk that fills up half-way, in a child process whose file size is
// limited: the conversion must fail and leave no ADIF file behind.
TEST_F(ConvertCommandTest, AFullDiskLeavesNoHalfWrittenFile)
{
    WriteFile(log, Records(2000));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        (void)std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t{16} * 1024, rlim_t{16} * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        const ConversionResult result = command.ConvertLog(log, adif);
        const bool sound = result.outcome == ConversionResult::Outcome::Failed &&
                           result.failure == adif + ": " + std::strerror(EFBIG) &&
                           messages.Texts(MessageKind::Summary).empty();
        _exit(sound ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"test.log"});
}
#endif

} // namespace
