// Large-block reading and copying where the input is a pipe, which delivers
// what it holds in pieces of its own size and cannot be copied by the system.

#include "files/FileHandle.h"
#include "files/LogFile.h"
#include "files/OutputFolder.h"
#include "record/LogRecord.h"
#include "support/ConversionTestSupport.h"
#include "support/PosixTestSupport.h"

#include <atomic>
#include <thread>

namespace {

using namespace TestSupport;

// A pipe whose writing end gets `pieces` one by one, with pauses between
// them so that each arrives as a read of its own.
struct SlowPipe
{
    explicit SlowPipe(std::vector<std::string> pieces)
    {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        readEnd = ends[0];
        writer = std::thread([this, pieces = std::move(pieces), fd = ends[1]] {
            for (const std::string& piece : pieces) {
                EXPECT_EQ(write(fd, piece.data(), piece.size()),
                          static_cast<ssize_t>(piece.size()));
                ++written;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            close(fd);
        });
    }
    ~SlowPipe() { writer.join(); }
    std::string Path() const { return "/dev/fd/" + std::to_string(readEnd); }

    int readEnd = -1;
    std::atomic<std::size_t> written{0}; // pieces sent so far
    std::thread writer;
};

TEST(BlockTransferPosix, RecordsSplitAcrossReadsAreReadWhole)
{
    const std::string records = Records(3);
    // Cut inside the first record, just after it, and inside the third; then
    // 10 bytes too few for a fourth.
    SlowPipe pipe({records.substr(0, 10), records.substr(10, 54), records.substr(64, 100),
                   records.substr(164), std::string(10, 'x')});
    Conversion::LogFile log(pipe.Path());
    std::string read;
    std::size_t piecesBeforeTheFirstRecord = 0;
    for (std::string_view record = log.ReadRecord(); !record.empty(); record = log.ReadRecord()) {
        if (read.empty())
            piecesBeforeTheFirstRecord = pipe.written;
        EXPECT_EQ(record.size(), Conversion::kRecordSize);
        read += record;
    }
    EXPECT_LT(piecesBeforeTheFirstRecord, 5u)
        << "the pieces arrived together: the test shows nothing";
    EXPECT_EQ(read, records);
    EXPECT_EQ(log.TrailingBytes(), 10u);
    EXPECT_TRUE(log.ReadRecord().empty()) << "the end stays the end";
    close(pipe.readEnd);
}

TEST(BlockTransferPosix, APipeIsCopiedThroughABuffer)
{
    TempFolder folder;
    const std::string content = Records(5000) + "tail";
    SlowPipe pipe({content.substr(0, 100000), content.substr(100000)});
    Conversion::OutputFolder output(folder.Path());
    std::optional<Conversion::FileHandle> target = output.CreateExclusively("copy", nullptr);
    ASSERT_TRUE(target.has_value());
    Conversion::FileHandle input(pipe.readEnd); // closed with the handle
    EXPECT_EQ(target->CopyRestOf(input), content.size());
    target->Close();
    EXPECT_TRUE(ReadFile(folder / "copy") == content);
}

} // namespace
