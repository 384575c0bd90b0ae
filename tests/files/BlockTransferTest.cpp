// The large-block paths of the conversion: a copy of an existing file that
// the system makes by itself, and large pieces written to the output.

#include "examples/RandomLog.h"
#include "files/ExportFile.h"
#include "files/FileHandle.h"
#include "files/LogFile.h"
#include "files/OutputFolder.h"
#include "support/ConversionTestSupport.h"

namespace {

using namespace TestSupport;

// Bytes no two tests share by chance, spanning many blocks of any size.
std::string Bytes(std::size_t size)
{
    Examples::RandomLog generator(size);
    std::string bytes;
    while (bytes.size() < size)
        bytes += generator.NextRecord();
    bytes.resize(size);
    return bytes;
}

class CopyRestOfTest : public ::testing::Test
{
protected:
    // Copies `source` from `from` on into a new file, writes "END" after the
    // copy, and returns the new file's content.
    std::string CopyFrom(const std::string& source, std::uint64_t from, std::uint64_t& copied)
    {
        const std::string name = "copy" + std::to_string(++copies);
        WriteFile(folder / "source", source);
        Conversion::OutputFolder output(folder.Path());
        std::optional<Conversion::FileHandle> target = output.CreateExclusively(name, nullptr);
        EXPECT_TRUE(target.has_value());
        if (!target)
            return {};
        Conversion::FileHandle input = output.OpenForReading("source");
        input.SeekTo(from);
        copied = target->CopyRestOf(input);
        EXPECT_FALSE(target->Write("END", 3));
        target->StartWriteBack();
        EXPECT_FALSE(target->Sync());
        target->Close();
        return ReadFile(folder / name);
    }

    TempFolder folder;
    int copies = 0;
};

TEST_F(CopyRestOfTest, AWholeFileIsCopiedAndWritingGoesOnAfterIt)
{
    for (const std::size_t size : {0u, 1u, 4096u, 3u * 1024 * 1024 + 17}) {
        SCOPED_TRACE(size);
        const std::string source = Bytes(size);
        std::uint64_t copied = 0;
        const std::string copy = CopyFrom(source, 0, copied);
        EXPECT_EQ(copied, size);
        EXPECT_TRUE(copy == source + "END") << "copy of " << copy.size() << " bytes";
    }
}

TEST_F(CopyRestOfTest, OnlyWhatFollowsTheSourcePositionIsCopied)
{
    const std::string source = Bytes(1024 * 1024 + 5);
    std::uint64_t copied = 0;
    const std::string copy = CopyFrom(source, 1000, copied);
    EXPECT_EQ(copied, source.size() - 1000);
    EXPECT_TRUE(copy == source.substr(1000) + "END") << "copy of " << copy.size() << " bytes";
}

TEST(ExportFile, LargePiecesArriveWhole)
{
    TempFolder folder;
    const std::string path = folder / "long.ADI";
    const std::string large = Bytes(std::size_t{3} * 1024 * 1024 + 7);
    {
        Conversion::ExportFile output(path);
        output.Lock({});
        output.Begin(Conversion::ExportFile::Mode::Replace);
        output.Write("short");
        output.Write(large);
        output.Write("<EOR>");
        output.Commit();
    }
    EXPECT_TRUE(ReadFile(path) == "short" + large + "<EOR>");
}

} // namespace
