// Logs that are not what they should be: random bytes, a record cut short,
// NULs and high bytes in every field. Whatever the bytes, the conversion ends
// with a clear outcome, keeps what it promises, and leaves no temporary file.

#include "support/AdifShape.h"
#include "support/ConversionTestSupport.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using Conversion::Answer;
using Conversion::ConversionResult;
using Conversion::MessageKind;
using namespace TestSupport;

namespace {

class HostileInputTest : public ConvertCommandFixture
{
protected:
    // What the conversion promises for `logBytes`, read back from the ADIF file.
    std::string BrokenPromise(const std::string& logBytes, const ConversionResult& result) const
    {
        const AdifShape::Conversion conversion{ReadFile(adif),
                                               messages.Texts(MessageKind::IllegalYear),
                                               result.qsoCount, result.ignoredBytes};
        return AdifShape::FindBrokenPromise(logBytes, conversion);
    }
    void ExpectOnlyLogAndAdif() const
    {
        EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"test.ADI", "test.log"}));
    }
};

TEST_F(HostileInputTest, RandomBytesConvertAsPromised)
{
    // NOLINTNEXTLINE(cert-msc32-c,cert-msc51-cpp): the same bytes on every run, on purpose.
    std::mt19937 random(20261207);
    for (const std::size_t size : {1u, 64u, 65u, 4096u + 17u, 64u * 1000u}) {
        SCOPED_TRACE(size);
        std::string bytes(size, '\0');
        std::ranges::generate(bytes, [&random] { return static_cast<char>(random() & 0xFF); });
        WriteFile(log, bytes);
        WriteFile(adif, "an older ADIF file");
        messages.messages.clear();
        const ConversionResult result = Click(log, {Answer::Yes});
        ASSERT_EQ(result.outcome, ConversionResult::Outcome::Converted) << result.failure;
        EXPECT_EQ(BrokenPromise(bytes, result), "");
        ExpectOnlyLogAndAdif();
    }
}

TEST_F(HostileInputTest, ALogOneByteShortOfARecordAddsNothingToAnExistingFile)
{
    const std::string old = kEarlierAdif;
    WriteFile(adif, old);
    WriteFile(log, Record(kSampleText).substr(0, 63));
    const ConversionResult result = Click(log, {Answer::No});
    EXPECT_EQ(result.outcome, ConversionResult::Outcome::Converted);
    EXPECT_EQ(result.qsoCount, 0u);
    EXPECT_EQ(result.ignoredBytes, 63u);
    EXPECT_EQ(ReadFile(adif), old);
    ExpectOnlyLogAndAdif();
}

// Every field filled with one byte the keyboard does not make, the year
// readable: the bytes pass through, counted, into every field but the QSL
// flags; with the year made of them too, the record is refused and quoted.
TEST_F(HostileInputTest, NulAndHighBytesInEveryField)
{
    for (const char byte : {'\0', '\xFF'}) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(byte)));
        std::string text(60, byte);
        const std::string unreadable = text;
        text.replace(6, 2, "24");
        const auto run = [byte](std::size_t count) { return std::string(count, byte); };
        const std::string expected = "<QSO_DATE:8>2024" + run(4) + " <TIME_ON:4>" + run(4) +
                                     " <FREQ:3>" + run(3) + " <MODE:3>" + run(3) + " <CALL:10>" +
                                     run(10) + " <RST_SENT:6>" + run(6) + " <RST_RCVD:6>" + run(6) +
                                     " <GRIDSQUARE:6>" + run(6) + " <Comment:12>" + run(12) +
                                     " <EOR>";
        const std::string bytes = Record(text) + Record(unreadable);
        WriteFile(log, bytes);
        messages.messages.clear();
        const ConversionResult result = Click(log, {Answer::Yes});
        ASSERT_EQ(result.outcome, ConversionResult::Outcome::Converted) << result.failure;
        EXPECT_EQ(AdifLines(), Concat({kHeaderLines, {expected}}));
        EXPECT_EQ(messages.Texts(MessageKind::IllegalYear),
                  std::vector<std::string>{"Illegal year in QSO " + unreadable + ", ignoring QSO"});
        EXPECT_EQ(BrokenPromise(bytes, result), "");
    }
}

// The checks above rest on AdifShape: each way an output can break a promise
// is caught, and a sound output passes.
TEST(AdifShape, CatchesEachBrokenPromise)
{
    const std::string header = "ADIF file\r\ncreated\r\n<ProgramID:13>KestrelToADIF\r\n<EOH>\r\n";
    const std::string line = kSampleLine + "\r\n";
    const std::string log = Record(kSampleText) + Record(kIllegalYearText) + "abc";
    const std::string message = "Illegal year in QSO " + kIllegalYearText + ", ignoring QSO";
    const auto check = [&](std::string adif, std::vector<std::string> messages = {},
                           std::uint64_t count = 1, std::uint64_t ignored = 3) {
        if (messages.empty())
            messages = {message};
        return AdifShape::FindBrokenPromise(log, {std::move(adif), messages, count, ignored});
    };
    EXPECT_EQ(check(header + line), "");

    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = line;
        text.replace(text.find(from), from.size(), to);
        return header + text;
    };
    const struct
    {
        const char* what;
        std::string broken;
    } cases[] = {
        {"a length one too long", check(replaced("<CALL:6>", "<CALL:7>"))},
        {"a length with a leading zero", check(replaced("<CALL:6>", "<CALL:06>"))},
        {"a '<' in a value", check(replaced("N0CALL", "N0<ALL"))},
        {"fields out of order",
         check(replaced("<TIME_ON:4>1412 <FREQ:3>14  ", "<FREQ:3>14  <TIME_ON:4>1412 "))},
        {"a line not ended by <EOR>", check(replaced(" <EOR>", " "))},
        {"a bare line feed", check(replaced("<EOR>\r\n", "<EOR>\n"))},
        {"a header of three lines",
         check("ADIF file\r\n<ProgramID:13>KestrelToADIF\r\n<EOH>\r\n" + line)},
        {"a count that is not the lines", check(header + line, {}, 2)},
        {"a message that quotes no record", check(header + line, {""})},
        {"a record neither written nor quoted", check(header, {}, 0)},
        {"a quote of 59 bytes",
         check(header + line,
               {"Illegal year in QSO " + kIllegalYearText.substr(1) + ", ignoring QSO"})},
        {"the partial record miscounted", check(header + line, {}, 1, 2)},
    };
    for (const auto& c : cases)
        EXPECT_NE(c.broken, "") << c.what;
}

} // namespace
