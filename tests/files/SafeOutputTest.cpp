// What the safe ADIF output guarantees when something else happens to the
// file or the folder during a conversion. The conversions are held half-way
// by logs that are FIFOs.
#include "files/OutputFolder.h"
#include "support/ConversionTestSupport.h"
#include "support/PosixTestSupport.h"
#include "support/TestSupport.h"

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>

using Conversion::Answer;
using Conversion::ConversionResult;
using Conversion::MessageKind;
using namespace TestSupport;

namespace {

constexpr uid_t kNobody = 65534;

// A block device that holds nothing, so that nothing is lost should it be
// written: a loop device without a file behind it. Empty when there is none.
std::string UnusedBlockDevice()
{
    for (int number = 0; number < 64; ++number) {
        std::string device = "/dev/loop" + std::to_string(number);
        struct stat status = {};
        std::ifstream size("/sys/block/loop" + std::to_string(number) + "/size");
        std::string sectors;
        if (stat(device.c_str(), &status) == 0 && S_ISBLK(status.st_mode) && size >> sectors &&
            sectors == "0")
            return device;
    }
    return {};
}

// Sets or clears the folder's append-only attribute; false where it cannot be.
bool SetAppendOnly(const std::string& folder, bool on)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int flags = 0;
    bool set = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_APPEND_FL) : (flags & ~FS_APPEND_FL);
    set = set && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        close(fd);
    return set;
}

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
    const std::string theirs = kEarlierAdif;

    // Created while the conversion of a new file runs.
    ConversionResult result = ConvertWhile([&] { WriteFile(adif, theirs); }, Answer::No);
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::Refused);
    EXPECT_EQ(result.failure,
              adif + ": another program created this file during the conversion; it was left "
                     "as it is");
    EXPECT_EQ(ReadFile(adif), theirs);
    // Told to the user, as the window shows it; the error log is for what nothing foresaw.
    EXPECT_EQ(messages.Texts(MessageKind::Refused), std::vector<std::string>{result.failure});
    EXPECT_EQ(errorLog.Contents(), "");

    // Changed after the user decided to append to it, and after deciding to replace it.
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        const std::string changed = ReadFile(adif) + "more\r\n";
        result = ConvertWhile([&] { WriteFile(adif, changed); }, answer);
        EXPECT_EQ(result.outcome, ConversionResult::Outcome::Refused);
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
        WriteFile(adif, kEarlierAdif);
    };
    const ConversionResult result = Click(log, {Answer::Yes, Answer::No});
    EXPECT_TRUE(folderWasFree);
    EXPECT_EQ(messages.questions.size(), 2u);
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::Converted);
    EXPECT_EQ(ReadFile(adif), kEarlierAdif + kSampleLine + "\r\n");
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
        return result.outcome == ConversionResult::Outcome::Refused &&
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

// A disk is no ADIF file: neither reached through a link nor named directly
// nor as a device node of the ADIF's name is it written, and it is not even
// asked about. A character device such as /dev/null still takes the output.
TEST_F(SafeOutputTest, ABlockDeviceIsRefusedAndACharacterDeviceWrittenTo)
{
    const std::string device = UnusedBlockDevice();
    if (device.empty() || access(device.c_str(), W_OK) != 0)
        GTEST_SKIP() << "no unused loop device to try";
    WriteFile(log, Records(2));
    const std::string refusal = ": this is a disk or another block device, not a file; nothing "
                                "was written to it";
    std::filesystem::create_symlink(device, adif);
    struct stat status = {};
    ASSERT_EQ(stat(device.c_str(), &status), 0);
    const std::string node = folder / "node.ADI";
    const bool madeNode = mknod(node.c_str(), S_IFBLK | 0600, status.st_rdev) == 0;
    for (const std::string& target : {adif, device, madeNode ? node : adif}) {
        const ConversionResult result = command.ConvertLog(log, target);
        EXPECT_EQ(result.outcome, ConversionResult::Outcome::Refused) << target;
        EXPECT_EQ(result.failure, target + refusal);
    }
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_TRUE(messages.Texts(MessageKind::Summary).empty());
    EXPECT_EQ(messages.Texts(MessageKind::Refused).size(), madeNode ? 3u : 2u);
    EXPECT_EQ(errorLog.Contents(), "");

    EXPECT_EQ(command.ConvertLog(log, "/dev/null").outcome, ConversionResult::Outcome::Converted);
}

// Files can be created in an append-only folder but never renamed or
// removed: a temporary file there could be neither put in place nor taken
// away again, so none is made.
TEST_F(SafeOutputTest, AnAppendOnlyFolderIsRefusedBeforeAnythingIsWritten)
{
    WriteFile(log, Records(1));
    const std::string old = "old\r\n";
    WriteFile(adif, old);
    if (!SetAppendOnly(folder.Path(), true))
        GTEST_SKIP() << "the append-only attribute cannot be set here";
    const ConversionResult result = Click(log, {Answer::Yes});
    EXPECT_TRUE(SetAppendOnly(folder.Path(), false));
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::Refused);
    EXPECT_EQ(result.failure, "the folder of " + adif +
                                  ": files can be added to this folder but not renamed or removed "
                                  "(it is append-only), which writing the ADIF file safely needs; "
                                  "nothing was written");
    EXPECT_EQ(ReadFile(adif), old);
    ExpectEntries({"test.ADI", "test.log"});
}

// A folder that takes no new files is named as the cause, not the ADIF file
// the user may well write.
TEST_F(SafeOutputTest, AFolderThatTakesNoNewFilesIsBlamedNotTheFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    WriteFile(log, Records(1));
    WriteFile(adif, "old\r\n");
    ASSERT_EQ(chmod(adif.c_str(), 0666), 0);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms(0755));
    const auto blamed = [&] {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            return false;
        messages.answers = {Answer::Yes};
        const ConversionResult result = command.ConvertLog(log, adif);
        return result.outcome == ConversionResult::Outcome::Refused &&
               result.failure == "the folder of " + adif + ": " + std::strerror(EACCES);
    };
    EXPECT_TRUE(InChildProcess(blamed));
    EXPECT_EQ(ReadFile(adif), "old\r\n");
}

// The old logging program still writing: a log appended to, cut short or
// rewritten while it is converted gives a mixture, which is never put in place.
TEST_F(SafeOutputTest, ALogChangedDuringItsConversionFailsIt)
{
    const std::string old = kEarlierAdif;
    const std::string records = Record(kIllegalYearText) + Records(3);
    const std::vector<std::pair<std::string, std::function<void()>>> changes = {
        {"appended to", [&] { WriteFile(log, records + Records(1)); }},
        {"cut short", [&] { WriteFile(log, records.substr(0, 128)); }},
        {"rewritten",
         [&] { WriteFile(log, Record(kIllegalYearText) + Records(2) + Record(kIllegalYearText)); }},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.first);
        WriteFile(log, records);
        // Written long ago, so that a rewrite of the same size shows in its time.
        const timespec longAgo[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, log.c_str(), longAgo, 0), 0);
        WriteFile(adif, old);
        // The illegal year of the first record is shown after the log was read.
        messages.whileShowing = [&](MessageKind kind) {
            if (kind == MessageKind::IllegalYear)
                change.second();
        };
        const ConversionResult result = Click(log, {Answer::No});
        EXPECT_EQ(result.outcome, ConversionResult::Outcome::Refused);
        EXPECT_EQ(result.failure, log + ": another program changed this log while it was being "
                                        "converted; the conversion was abandoned");
        EXPECT_EQ(ReadFile(adif), old);
        ExpectEntries({"test.ADI", "test.log"});
    }
    // Unchanged, it converts.
    messages.whileShowing = nullptr;
    WriteFile(log, records);
    EXPECT_EQ(Click(log, {Answer::Yes}).qsoCount, 3u);
}

} // namespace
