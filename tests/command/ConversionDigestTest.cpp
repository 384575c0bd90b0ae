// The ADIF written for a large invented log, pinned by its digest: whatever
// is done to make the conversion faster must not change a byte. The digests
// can be checked by hand:
//   generate-log 50000 7 g.log && kestrel-to-adif --replace g.log && sed 2d g.ADI | sha256sum

#include "examples/RandomLog.h"
#include "support/ConversionTestSupport.h"
#include "support/Sha256.h"

namespace {

using namespace TestSupport;
using Conversion::Answer;
using Conversion::MessageKind;

constexpr std::uint64_t kRecords = 50000;
constexpr std::uint64_t kSeed = 7;
constexpr std::uint64_t kIllegalYears = 1435;
const std::string kAdifDigest = "ada1483b6947d7d58f051688258155bbcba9d5be3de9fbeee7cb77313b1c06fc";
const std::string kMessagesDigest =
    "9452ee7b843cea5e53e382ecfd87e00b57469f6cd46551f4416d26dc65756606";

std::string GeneratedLog()
{
    Examples::RandomLog generator(kSeed);
    std::string bytes;
    for (std::uint64_t i = 0; i < kRecords; ++i)
        bytes += generator.NextRecord();
    return bytes;
}

// The ADIF text without its second line, the one that carries the time.
std::string WithoutTimeStamp(const std::string& adif)
{
    const std::size_t first = adif.find("\r\n");
    const std::size_t second = adif.find("\r\n", first + 2);
    if (first == std::string::npos || second == std::string::npos)
        return adif;
    return adif.substr(0, first + 2) + adif.substr(second + 2);
}

std::string AllMessages(const ScriptedMessageBoxes& messages)
{
    std::string all;
    for (const std::string& text : messages.Texts(MessageKind::IllegalYear))
        all += text + '\n';
    return all;
}

class ConversionDigestTest : public ConvertCommandFixture
{
protected:
    void SetUp() override { WriteFile(log, GeneratedLog()); }
};

TEST_F(ConversionDigestTest, EveryByteOfALargeLogStaysAsItWas)
{
    const auto result = command.ConvertLog(log, adif);
    EXPECT_EQ(result.qsoCount, kRecords - kIllegalYears);
    EXPECT_EQ(messages.Texts(MessageKind::IllegalYear).size(), kIllegalYears);
    EXPECT_EQ(Sha256(WithoutTimeStamp(ReadFile(adif))), kAdifDigest);
    EXPECT_EQ(Sha256(AllMessages(messages)), kMessagesDigest);
}

TEST_F(ConversionDigestTest, AppendingKeepsTheOldBytesAndAddsTheSameRecords)
{
    command.ConvertLog(log, adif);
    const std::string first = ReadFile(adif);
    messages.answers = {Answer::No};
    const auto result = command.ConvertLog(log, adif);
    EXPECT_EQ(result.qsoCount, kRecords - kIllegalYears);
    // The file has its header already: only the records are added.
    const std::string records = first.substr(first.find("<EOH>\r\n") + 7);
    const std::string both = ReadFile(adif);
    EXPECT_EQ(both.size(), first.size() + records.size());
    EXPECT_EQ(Sha256(both), Sha256(first + records));
}

TEST_F(ConversionDigestTest, StandardOutputGetsTheSameBytesAsAFile)
{
    command.ConvertLog(log, adif);
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    const auto result = command.ConvertToStream(log, stream, "standard output");
    EXPECT_EQ(result.qsoCount, kRecords - kIllegalYears);
    EXPECT_EQ(Sha256(CliRun::Contents(stream)), Sha256(ReadFile(adif)));
}

} // namespace
