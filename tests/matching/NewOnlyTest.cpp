#include "examples/RandomLog.h"
#include "support/ConversionTestSupport.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using namespace TestSupport;

namespace {

class NewOnlyTest : public ::testing::Test
{
protected:
    FixedClock clock;
    TempErrorLog errorLog;
    TempFolder folder;
    std::string log = folder / "day.log";
    std::string logbook = folder / "logbook.adi";
};

// The records of a standard ADI file, each without its line end.
std::vector<std::string> RecordsOf(const std::string& adi)
{
    std::vector<std::string> records;
    const std::string end = "<EOR>\r\n";
    std::size_t at = adi.find("<EOH>\r\n") + 7;
    for (std::size_t next; (next = adi.find(end, at)) != std::string::npos; at = next + end.size())
        records.push_back(adi.substr(at, next + 5 - at));
    return records;
}

using Field = std::pair<std::string, std::string>;

// The fields of one record of ours, read by their lengths.
std::vector<Field> FieldsOf(const std::string& record)
{
    std::vector<Field> fields;
    for (std::size_t at = record.find('<'); record.compare(at, 5, "<EOR>") != 0;
         at = record.find('<', at)) {
        const std::size_t colon = record.find(':', at);
        const std::size_t close = record.find('>', colon);
        const std::size_t length = std::stoul(record.substr(colon + 1, close - colon - 1));
        fields.emplace_back(record.substr(at + 1, colon - at - 1),
                            record.substr(close + 1, length));
        at = close + 1 + length;
    }
    return fields;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The record as another program exports it: names and the callsign in lower
// case, the fields in another order, type indicators and fields of its own,
// LF line ends.
std::string AsAnotherProgramWritesIt(const std::string& record, std::size_t number)
{
    std::vector<Field> fields = FieldsOf(record);
    std::reverse(fields.begin(), fields.end());
    std::string written = "<app_other_id:" + std::to_string(std::to_string(number).size()) + ":n>" +
                          std::to_string(number) + "\n";
    for (const auto& [name, value] : fields) {
        const std::string shown = name == "CALL" ? Lower(value) : value;
        written += "<" + Lower(name) + ":" + std::to_string(shown.size()) +
                   (name == "QSO_DATE" ? ":d>" : ">") + shown + " ";
    }
    return written + "<name:4:s>John\n<eor>\n";
}

// Whether the record holds all that contacts are matched on.
bool HasEveryKey(const std::string& record)
{
    static const std::vector<std::string> keys = {
        "<CALL:", "<BAND:", "<MODE:", "<QSO_DATE:", "<TIME_ON:"};
    return std::all_of(keys.begin(), keys.end(), [&record](const std::string& key) {
        return record.find(key) != std::string::npos;
    });
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST_F(NewOnlyTest, ALogbookHoldingPartOfALogLeavesExactlyTheRest)
{
    WriteFile(log, Examples::RandomLogBytes(3000, 23));
    ASSERT_EQ(CliRun({"--adif3", "-o", folder / "all.adi", log}).status, 0);
    const std::vector<std::string> all = RecordsOf(ReadFile(folder / "all.adi"));
    ASSERT_GT(all.size(), 2000u);

    std::string book = "Exported by Other Logger 4.2\n<adif_ver:5>3.1.4\n<eoh>\n";
    std::vector<std::string> rest;
    std::size_t held = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i % 2 == 0 && HasEveryKey(all[i]))
            book += AsAnotherProgramWritesIt(all[i], ++held);
        else
            rest.push_back(all[i]);
    }
    WriteFile(logbook, book);

    const CliRun run({"--adif3", "--new-only", logbook, "-o", folder / "new.adi", log});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(RecordsOf(ReadFile(folder / "new.adi")), rest);
    EXPECT_EQ(Count(run.err, ": already in " + logbook + " as its record "), held);
    EXPECT_NE(run.out.find(std::to_string(rest.size()) + " QSOs appended to "), std::string::npos)
        << run.out;

    // A check counts the same records without writing any.
    const CliRun check({"--check", "--new-only", logbook, log});
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find(": record 1: already in " + logbook + " as its record 1; left out\n"),
              std::string::npos);
}

TEST_F(NewOnlyTest, TheSameContactInTwoLogsOfOneRunIsWrittenOnce)
{
    const std::string other = folder / "other.log";
    WriteFile(log, Record(kSampleText));
    WriteFile(other, Record(SampleAt("1520")) + Record(SampleAt("1420")));
    const CliRun run({"--adif3", log, other});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(other + ": record 2: duplicate of record 1 of " + log + "; left out\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(RecordsOf(ReadFile(folder / "other.ADI")).size(), 1u);
    EXPECT_NE(run.out.find("1 QSOs appended to " + (folder / "other.ADI")), std::string::npos)
        << run.out;

    const CliRun check({"--check", log, other});
    EXPECT_NE(
        check.out.find(other + ": record 2: duplicate of record 1 of " + log + "; left out\n"),
        std::string::npos)
        << check.out;
    // The classic form writes every record, as it always has.
    ASSERT_EQ(CliRun({"--replace", log, other}).status, 0);
    EXPECT_EQ(Count(ReadFile(folder / "other.ADI"), "<EOR>"), 2u);
}

TEST_F(NewOnlyTest, ARecordThatCannotBeMatchedIsWrittenAndSaidToBe)
{
    // No time; then no callsign; then one the logbook holds.
    WriteFile(log,
              Record(SampleAt("    ")) + Record(Patched(19, "          ")) + Record(kSampleText));
    WriteFile(logbook, "<CALL:6>N0CALL<QSO_DATE:8>20030910<TIME_ON:4>1412<BAND:3>20M"
                       "<MODE:3>SSB<EOR>\n");
    const CliRun run({"--adif3", "--new-only", logbook, "-o", folder / "new.adi", log});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(log + ": record 1: not matched against " + logbook +
                           " (no TIME_ON); written\n"),
              std::string::npos)
        << run.err;
    EXPECT_NE(
        run.err.find(log + ": record 2: not matched against " + logbook + " (no CALL); written\n"),
        std::string::npos)
        << run.err;
    EXPECT_EQ(RecordsOf(ReadFile(folder / "new.adi")).size(), 2u);
    // Without a logbook nothing is matched, and nothing said about it.
    const CliRun alone({"--check", log});
    EXPECT_EQ(alone.out.find("not matched against"), std::string::npos) << alone.out;
}

TEST_F(NewOnlyTest, ALogbookThatCannotBeReadStopsTheRunBeforeAnythingIsWritten)
{
    WriteFile(log, Record(kSampleText));
    WriteFile(logbook, "<CALL:6>N0CALL<QSO_DATE:8>2003");
    const CliRun run({"--adif3", "--new-only", logbook, log});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(logbook + ": record 1: the length of QSO_DATE runs past the end"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "day.ADI"));
    EXPECT_EQ(CliRun({"--check", "--new-only", logbook, log}).status, 1);
    EXPECT_EQ(CliRun({"--new-only", logbook, log}).status, 2); // the classic form
    EXPECT_FALSE(std::filesystem::exists(folder / "day.ADI"));
    // A logbook of nothing to match is read, and said to be so.
    WriteFile(logbook, "<CALL:6>N0CALL<EOR>\n");
    const CliRun empty({"--adif3", "--new-only", logbook, log});
    EXPECT_EQ(empty.status, 0);
    EXPECT_NE(empty.err.find("warning: " + logbook + " holds no contact"), std::string::npos)
        << empty.err;
    EXPECT_EQ(empty.out, "1 QSOs appended to " + (folder / "day.ADI") + "\n");
}

} // namespace
