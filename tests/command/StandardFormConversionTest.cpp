#include "app/CommandLine.h"
#include "examples/RandomLog.h"
#include "support/ConversionTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using namespace TestSupport;

namespace {

class StandardFormTest : public ::testing::Test
{
protected:
    FixedClock clock;
    TempErrorLog errorLog;
    TempFolder folder;
    std::string log = folder / "day.log";
    std::string adif = folder / "day.ADI";
};

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The record numbers named by finding lines.
std::set<unsigned long> NamedRecords(const std::string& lines)
{
    std::set<unsigned long> records;
    const std::regex named(R"(day\.log: record ([0-9]+): )");
    for (std::sregex_iterator it(lines.begin(), lines.end(), named), end; it != end; ++it)
        records.insert(std::stoul((*it)[1].str()));
    return records;
}

TEST_F(StandardFormTest, GeneratedLogIsAllAsciiLosesNoRecordAndChecksAlike)
{
    WriteFile(log, Examples::RandomLogBytes(3000, 11));

    const CliRun classic({"-o", folder / "classic.ADI", log});
    const CliRun standard({"--adif3", log});
    const CliRun check({"--check", log});
    ASSERT_EQ(classic.status, 0) << classic.err;
    ASSERT_EQ(standard.status, 0) << standard.err;
    EXPECT_EQ(check.status, 1);

    const std::string written = ReadFile(adif);
    for (std::size_t i = 0; i < written.size(); ++i) {
        const char c = written[i];
        const bool lineEnd =
            (c == '\r' && written[i + 1] == '\n') || (c == '\n' && i > 0 && written[i - 1] == '\r');
        ASSERT_TRUE(lineEnd || (c >= 0x20 && c < 0x7F)) << "byte " << i;
    }
    EXPECT_EQ(Count(written, "<EOR>"), Count(ReadFile(folder / "classic.ADI"), "<EOR>"));
    EXPECT_EQ(Count(written, "<EOH>"), 1u);

    // The same records named, whether checked or converted, and the skipped
    // ones are those the classic form skips.
    const std::set<unsigned long> checked = NamedRecords(check.out);
    EXPECT_GT(checked.size(), 30u);
    EXPECT_EQ(checked, NamedRecords(standard.err));
    EXPECT_EQ(Count(check.out, "record skipped"), Count(classic.err, "Illegal year in QSO"));
    EXPECT_NE(check.out.find("day.log: " + std::to_string(Count(check.out, "\n") - 1) +
                             " findings in " + std::to_string(checked.size()) + " records\n"),
              std::string::npos);
}

// The lines a long log tells are written in blocks: they still arrive whole
// and in record order, each illegal year just before its finding, and the
// summary after them all.
TEST_F(StandardFormTest, LongLogsTellEveryLineInRecordOrder)
{
    WriteFile(log, Examples::RandomLogBytes(20000, 5));
    const CliRun standard({"--adif3", "-o", "-", log});
    const CliRun check({"--check", log});
    ASSERT_EQ(standard.status, 0) << standard.err;
    ASSERT_GT(standard.err.size(), std::size_t{3} * 64 * 1024);

    std::istringstream lines(standard.err);
    const std::regex named(R"(day\.log: record ([0-9]+): )");
    std::string line;
    std::string previous;
    unsigned long lastRecord = 0;
    std::size_t findings = 0;
    bool summarized = false;
    while (std::getline(lines, line)) {
        std::smatch match;
        if (std::regex_search(line, match, named)) {
            const unsigned long record = std::stoul(match[1].str());
            EXPECT_GE(record, lastRecord) << line;
            EXPECT_FALSE(summarized) << line;
            if (line.ends_with("; record skipped")) {
                EXPECT_TRUE(previous.starts_with("Illegal year in QSO ")) << line;
            }
            lastRecord = record;
            ++findings;
        }
        summarized = summarized || line.ends_with(" QSOs written to standard output");
        previous = line;
    }
    EXPECT_TRUE(summarized);
    EXPECT_EQ(findings, Count(check.out, "\n") - 1);
    EXPECT_TRUE(previous.ends_with(" records")) << previous;
}

TEST_F(StandardFormTest, CheckOfASoundLogFindsNothing)
{
    WriteFile(log, Record(kSampleText) + Record(SampleAt("1512")));
    const CliRun check({"--check", log});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, log + ": no findings\n");
    EXPECT_FALSE(std::filesystem::exists(adif));
}

TEST_F(StandardFormTest, EachFileKeepsOneForm)
{
    WriteFile(log, Record(kSampleText) + Record(SampleAt("1512")));
    ASSERT_EQ(CliRun({log}).status, 0);
    const std::string classic = ReadFile(adif);
    const CliRun mixed({"--adif3", "--append", log});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_NE(mixed.err.find("holds classic ADIF; standard ADIF 3 records are not added"),
              std::string::npos)
        << mixed.err;
    EXPECT_EQ(ReadFile(adif), classic);

    ASSERT_EQ(CliRun({"--adif3", "--replace", log}).status, 0);
    EXPECT_EQ(CliRun({"--append", log}).status, 1); // classic onto standard
    const CliRun appended({"--adif3", "--append", log});
    EXPECT_EQ(appended.status, 0) << appended.err;
    const std::string twice = ReadFile(adif);
    EXPECT_EQ(Count(twice, "<ADIF_VER:5>3.1.7"), 1u);
    EXPECT_EQ(Count(twice, "<EOR>"), 4u);

    const std::string adx = folder / "day.adx";
    ASSERT_EQ(CliRun({"--adx", log}).status, 0);
    const std::string xml = ReadFile(adx);
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ADX>\r\n"));
    EXPECT_TRUE(xml.ends_with("</RECORD>\r\n</RECORDS>\r\n</ADX>\r\n"));
    const CliRun onAdx({"--adx", "--append", log});
    EXPECT_EQ(onAdx.status, 1);
    EXPECT_NE(onAdx.err.find("is an ADX file, to which records cannot be added"),
              std::string::npos);
    EXPECT_EQ(ReadFile(adx), xml);
}

TEST_F(StandardFormTest, UsageErrors)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--adif3", "--adx", "x.log"},
          {"--check", "-o", "x.ADI", "x.log"},
          {"--check", "--adx", "x.log"}}) {
        const CliRun run(arguments);
        EXPECT_EQ(run.status, 2) << run.err;
    }
}

} // namespace
