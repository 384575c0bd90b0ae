// What the safe ADIF output guarantees when something else happens to the
// file or the folder during a conversion. The conversions are held half-way
// by logs that are FIFOs.
#include "ConversionTestSupport.h"
#include "OutputFolder.h"
#include "PosixTestSupport.h"
#include "TestSupport.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using Conversion::Answer;
using Conversion::ConversionResult;
using Conversion::MessageKind;
using namespace TestSupport;

namespace {

constexpr uid_t kNobody = 65534;

class SafeOutputTest : public ConvertCommandFixture
{
protected:
    // Converts the FIFO `fifoLog` into test.ADI; `meanwhile` runs once the
    // conversion has opened its log, before the log's one record arrives.
    ConversionResult ConvertWhile(const std::function<void()>& meanwhile, Answer answer)
    {
        const std::string fifoLog = folder / "held.log";
        MakeFifo(fifoLog);
        std::thread other([&] {
            const int fd = OpenFifoWhenRead(fifoLog);
            meanwhile();
            FeedFifo(fd, Records(1));
        });
        messages.answers = {answer};
        ConversionResult result = command.ConvertLog(fifoLog, adif);
        other.join();
        std::filesystem::remove(fifoLog);
        return result;
    }

    // The folder holds these and nothing else: no temporary file is left.
    void ExpectEntries(std::vector<std::string> names)
    {
        std::sort(names.begin(), names.end());
        EXPECT_EQ(folder.Entries(), names);
    }
};

TEST_F(SafeOutputTest, AFileThatAnotherProgramWritesMeanwhileIsLeftAsItIs)
{
    WriteFile(log, Records(1));
    const std::string theirs = "their ADIF\r\n";

    // Created while the conversion of a new file runs.
    ConversionResult result = ConvertWhile([&] { WriteFile(adif, theirs); }, Answer::No);
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::Failed);
    EXPECT_EQ(result.failure,
              adif + ": another program created this file during the conversion; it was left "
                     "as it is");
    EXPECT_EQ(ReadFile(adif), theirs);
    EXPECT_TRUE(HasReport(errorLog.Contents(), EEXIST, "KestrelConversion.ConvertCmd_Click"));

    // Changed after the user decided to append to it, and after deciding to replace it.
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        const std::string changed = ReadFile(adif) + "more\r\n";
        result = ConvertWhile([&] { WriteFile(adif, changed); }, answer);
        EXPECT_EQ(result.outcome, ConversionResult::Outcome::Failed);
        EXPECT_TRUE(result.failure.ends_with("another program changed this file during the "
                                             "conversion; it was left as it is"))
            << result.failure;
        EXPECT_EQ(ReadFile(adif), changed);
    }
    EXPECT_TRUE(messages.Texts(MessageKind::Summary).empty());
    ExpectEntries({"test.ADI", "test.log"});
}

TEST_F(SafeOutputTest, TheWindowRefusesAFolderAnotherConversionWritesIn)
{
    WriteFile(log, Records(1));
    {
        Conversion::OutputFolder busy(folder.Path());
        busy.Lock({});
        const ConversionResult result = Click(log);
        EXPECT_EQ(result.outcome, ConversionResult::Outcome::NotStarted);
        EXPECT_EQ(messages.Texts(MessageKind::Refused),
                  std::vector<std::string>{"another conversion is writing in the folder of " +
                                           adif + "; try again when it has finished"});
        ExpectEntries({"test.log"});
    }
    EXPECT_EQ(Click(log).outcome, ConversionResult::Outcome::Converted);
}

// The question may stay open for long: nothing is locked meanwhile, and a
// file that changes meanwhile is asked about again.
TEST_F(SafeOutputTest, TheQuestionHoldsNothingAndAChangeMeanwhileIsAskedAbout)
{
    WriteFile(log, Records(1));
    WriteFile(adif, "old\r\n");
    bool folderWasFree = false;
    messages.whileAsking = [&] {
        messages.whileAsking = nullptr;
        Conversion::OutputFolder other(folder.Path());
        other.Lock({});
        folderWasFree = true;
        WriteFile(adif, "changed while asking\r\n");
    };
    const ConversionResult result = Click(log, {Answer::Yes, Answer::No});
    EXPECT_TRUE(folderWasFree);
    EXPECT_EQ(messages.questions.size(), 2u);
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::Converted);
    EXPECT_EQ(ReadFile(adif), "changed while asking\r\n" + kSampleLine + "\r\n");
}

TEST_F(SafeOutputTest, ALinkToAFileNotYetThereIsWrittenThrough)
{
    WriteFile(log, Records(1));
    std::filesystem::create_directory(folder / "real");
    std::filesystem::create_symlink("real/new.ADI", adif);
    EXPECT_EQ(Click(log).outcome, ConversionResult::Outcome::Converted);
    EXPECT_TRUE(std::filesystem::is_symlink(adif));
    EXPECT_EQ(SplitCrLfLines(ReadFile(folder / "real/new.ADI")).size(), kHeaderLines.size() + 1);
}

TEST_F(SafeOutputTest, WhatAKilledRunLeftIsRemovedByTheNextConversionOfThatFile)
{
    WriteFile(log, Records(1));
    const std::string stale = ".test.ADI.0123456789ab.kestrel-tmp";
    const std::vector<std::string> kept = {".test.ADI.tmp", ".other.ADI.0123456789ab.kestrel-tmp",
                                           ".test.ADI.0123456789ab.kestrel"};
    WriteFile(folder / stale, "half a conversion");
    for (const std::string& name : kept)
        WriteFile(folder / name, "not ours to remove");
    std::filesystem::create_directory(folder / ".test.ADI.ba9876543210.kestrel-tmp");

    EXPECT_EQ(Click(log).outcome, ConversionResult::Outcome::Converted);
    std::vector<std::string> expected = kept;
    expected.insert(expected.end(), {".test.ADI.ba9876543210.kestrel-tmp", "test.ADI", "test.log"});
    ExpectEntries(expected);
}

TEST_F(SafeOutputTest, ANameAtTheFileSystemsLimitIsWrittenAndAppendedTo)
{
    const std::string stem(246, 'x');
    const std::string longLog = folder / (stem + ".log");
    const std::string longAdif = folder / (stem + ".ADI"); // 250 characters
    WriteFile(longLog, Records(1));
    EXPECT_EQ(Click(longLog).outcome, ConversionResult::Outcome::Converted);
    EXPECT_EQ(Click(longLog, {Answer::No}).qsoCount, 1u);
    EXPECT_EQ(SplitCrLfLines(ReadFile(longAdif)).size(), kHeaderLines.size() + 2);
    ExpectEntries({stem + ".ADI", stem + ".log"});
}

TEST_F(SafeOutputTest, TheReplacementKeepsOwnerGroupAndMode)
{
    WriteFile(log, Records(1));
    WriteFile(adif, "old\r\n");
    // Only root can hand a file to another user; anyone can keep the mode.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(adif.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(chmod(adif.c_str(), 0640), 0);
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        ASSERT_EQ(Click(log, {answer}).outcome, ConversionResult::Outcome::Converted);
        struct stat replaced = {};
        ASSERT_EQ(stat(adif.c_str(), &replaced), 0);
        EXPECT_EQ(replaced.st_mode & 07777, 0640u);
        EXPECT_EQ(replaced.st_uid, root ? kNobody : geteuid());
        EXPECT_EQ(replaced.st_gid, root ? kNobody : getegid());
    }
}

// An ADIF file the user may not write is refused, however writable its
// folder is; as root the test takes another user's part.
TEST_F(SafeOutputTest, AFileTheUserMayNotWriteIsRefused)
{
    WriteFile(log, Records(1));
    const bool root = geteuid() == 0;
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);
    const auto refused = [&] {
        if (root && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            return false;
        // Read-only to its owner, and someone else's without write permission.
        const ConversionResult result = command.ConvertLog(log, adif);
        return result.outcome == ConversionResult::Outcome::Failed &&
               result.failure == adif + ": " + std::strerror(EACCES) && messages.questions.empty();
    };
    const std::string old = "keep me\r\n";
    WriteFile(adif, old);
    ASSERT_EQ(chmod(adif.c_str(), 0444), 0);
    if (root) {
        ASSERT_EQ(chown(adif.c_str(), kNobody, kNobody), 0);
    }
    EXPECT_TRUE(InChildProcess(refused));
    if (root) {
        ASSERT_EQ(chown(adif.c_str(), 0, 0), 0);
        ASSERT_EQ(chmod(adif.c_str(), 0644), 0);
        EXPECT_TRUE(InChildProcess(refused));
    }
    EXPECT_EQ(ReadFile(adif), old);
    ExpectEntries({"test.ADI", "test.log"});
}

// A folder others may drop files into but not list, as nobody.
TEST_F(SafeOutputTest, AFolderTheUserMayWriteButNotListTakesTheFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    WriteFile(log, Records(1));
    std::filesystem::permissions(folder.Path(), std::filesystem::perms(0733));
    const auto converted = [&] {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            return false;
        return command.ConvertLog(log, adif).outcome == ConversionResult::Outcome::Converted;
    };
    EXPECT_TRUE(InChildProcess(converted));
    EXPECT_EQ(SplitCrLfLines(ReadFile(adif)).size(), kHeaderLines.size() + 1);
}

} // namespace
