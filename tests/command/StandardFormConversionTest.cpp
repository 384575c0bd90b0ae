#include "app/CommandLine.h"
#include "examples/RandomLog.h"
#include "support/ConversionTestSupport.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
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
    const CliRun standard({"--adif3", "--entities", log});
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
    const CliRun standard({"--adif3", "--entities", "-o", "-", log});
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

// A record made of kSampleText with another callsign and date.
std::string RecordOf(const std::string& date, const std::string& call)
{
    std::string text = kSampleText;
    text.replace(0, 8, date);
    text.replace(18, 10, (call + std::string(10, ' ')).substr(0, 10));
    return Record(text);
}

// With --entities, a callsign's entity and zones are added where it has one on
// the QSO's date; --check names a callsign of no entity and an entity that did
// not exist yet, and a station at sea is neither.
TEST_F(StandardFormTest, EntitiesAreAddedWhereTheCallsignHasOneOnTheDate)
{
    WriteFile(log, RecordOf("10/09/03", "N0CALL") + RecordOf("10/09/03", "QQ1ABC") +
                       RecordOf("10/09/08", "PJ2T") + RecordOf("10/09/03", "DL1ABC/MM") +
                       RecordOf("10/09/11", "PJ2T"));
    const CliRun standard({"--adif3", "--entities", "-o", "-", log});
    ASSERT_EQ(standard.status, 0) << standard.err;
    const std::vector<std::string> lines = SplitCrLfLines(standard.out);
    std::vector<std::string> records;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(records),
                 [](const std::string& line) { return line.ends_with("<EOR>"); });
    ASSERT_EQ(records.size(), 5u);
    EXPECT_NE(records[0].find("<DXCC:3>291 <COUNTRY:24>UNITED STATES OF AMERICA <CQZ:1>4 "
                              "<ITUZ:1>7 <CONT:2>NA"),
              std::string::npos)
        << records[0];
    EXPECT_NE(records[4].find("<DXCC:3>517 <COUNTRY:7>CURACAO <CQZ:1>9 <ITUZ:2>11 <CONT:2>SA"),
              std::string::npos)
        << records[4];
    for (std::size_t i = 1; i < 4; ++i) {
        for (const char* field : {"<DXCC:", "<COUNTRY:", "<CQZ:", "<ITUZ:", "<CONT:"})
            EXPECT_EQ(records[i].find(field), std::string::npos) << records[i];
    }
    const std::string noEntity = log + ": record 2: CALL \"QQ1ABC\": belongs to no DXCC entity; "
                                       "written\n";
    const std::string notYet = log + ": record 3: CALL \"PJ2T\": names a DXCC entity that was "
                                     "not on the DXCC list on the QSO's date (CURACAO); written\n";
    const CliRun check({"--check", log});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, noEntity + notYet + log + ": 2 findings in 2 records\n");
    EXPECT_NE(standard.err.find(noEntity + notYet), std::string::npos) << standard.err;

    // Without --entities the standard form adds none, and tells nothing of them.
    const CliRun plain({"--adif3", "-o", "-", log});
    EXPECT_EQ(plain.out.find("<DXCC:"), std::string::npos);
    EXPECT_EQ(plain.err, "5 QSOs written to standard output\n");
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
