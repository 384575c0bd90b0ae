#include "matching/RunDuplicates.h"

#include "adif/standard/StandardRecord.h"
#include "support/TestSupport.h"
#include "support/WrittenRecord.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using namespace TestSupport;

namespace {

// The sample record with the characters at `position` (from 1) replaced.
std::string With(std::string text, std::size_t position, const std::string& characters)
{
    text.replace(position - 1, characters.size(), characters);
    return text;
}

std::string At(const std::string& date, const std::string& time)
{
    return With(With(kSampleText, 1, date), 9, time);
}

// The records of one run, each offered to the gate in turn.
struct OneRun
{
    // Whether the record is written; its findings go to `findings`.
    bool Offer(const std::string& text)
    {
        // The record's values view the fields, which must outlive them.
        const std::optional<Conversion::RecordFields> fields = Conversion::DecodeFields(text);
        Conversion::StandardRecord record;
        ListedFindings ofTheRecord; // its values' own, not the gate's
        record.Assign(*fields, ++number, ofTheRecord, options);
        return gate.Admit(record, number, findings);
    }
    Conversion::StandardOptions options;
    Matching::RunDuplicates gate;
    ListedFindings findings;
    std::uint64_t number = 0;
};

TEST(RunDuplicates, FifteenMinutesApartIsTheSameContactSixteenIsNot)
{
    OneRun fifteen;
    EXPECT_TRUE(fifteen.Offer(SampleAt("1412")));
    EXPECT_FALSE(fifteen.Offer(SampleAt("1427")));
    EXPECT_FALSE(fifteen.Offer(SampleAt("1357")));
    EXPECT_EQ(fifteen.findings.lines,
              (std::vector<std::string>{"record 2: duplicate of record 1; left out",
                                        "record 3: duplicate of record 1; left out"}));

    // Measured from the record written, not from the one left out.
    OneRun sixteen;
    EXPECT_TRUE(sixteen.Offer(SampleAt("1412")));
    EXPECT_FALSE(sixteen.Offer(SampleAt("1420")));
    EXPECT_TRUE(sixteen.Offer(SampleAt("1428")));
    EXPECT_EQ(sixteen.findings.lines.size(), 1u);
}

TEST(RunDuplicates, MidnightBetweenTwoRecordsIsNoGap)
{
    OneRun run;
    EXPECT_TRUE(run.Offer(At("30/09/03", "2355")));
    EXPECT_FALSE(run.Offer(At("01/10/03", "0005")));
    EXPECT_TRUE(run.Offer(At("01/10/03", "2355"))); // a day later
    EXPECT_TRUE(run.Offer(At("31/12/99", "2350")));
    EXPECT_FALSE(run.Offer(At("01/01/00", "0004")));
    EXPECT_EQ(run.findings.lines,
              (std::vector<std::string>{"record 2: duplicate of record 1; left out",
                                        "record 5: duplicate of record 4; left out"}));
}

TEST(RunDuplicates, OnlyTheSameCallBandModeAndSubmodeRepeat)
{
    OneRun run;
    EXPECT_TRUE(run.Offer(SampleAt("1412")));
    EXPECT_TRUE(run.Offer(With(SampleAt("1413"), 16, "CW ")));
    EXPECT_TRUE(run.Offer(With(SampleAt("1414"), 13, "7  ")));
    EXPECT_TRUE(run.Offer(With(SampleAt("1415"), 19, "N1CALL")));
    EXPECT_TRUE(run.Offer(With(SampleAt("1416"), 16, "USB")));
    EXPECT_TRUE(run.Offer(With(SampleAt("1417"), 16, "LSB")));
    EXPECT_TRUE(run.findings.lines.empty()) << run.findings.lines.front();
    // Without a time or a callsign a record is nobody's duplicate.
    EXPECT_TRUE(run.Offer(SampleAt("    ")));
    EXPECT_TRUE(run.Offer(SampleAt("    ")));
    EXPECT_TRUE(run.Offer(With(SampleAt("1412"), 19, "          ")));
    EXPECT_TRUE(run.Offer(With(SampleAt("1412"), 19, "          ")));
}

TEST(RunDuplicates, ABlankFieldAddsNothingAValueDoes)
{
    const std::string withGrid = SampleAt("1412");
    const std::string withoutGrid = With(SampleAt("1420"), 41, "------");
    OneRun later;
    EXPECT_TRUE(later.Offer(withGrid));
    EXPECT_FALSE(later.Offer(withoutGrid));
    EXPECT_EQ(later.findings.lines,
              std::vector<std::string>{"record 2: duplicate of record 1; left out"});

    OneRun earlier;
    EXPECT_TRUE(earlier.Offer(withoutGrid));
    EXPECT_TRUE(earlier.Offer(withGrid));
    EXPECT_TRUE(earlier.Offer(With(With(SampleAt("1414"), 47, "QSL via BURO"), 59, "S")));
    EXPECT_EQ(
        earlier.findings.lines,
        (std::vector<std::string>{
            "record 2: possible duplicate of record 1 (differs in GRIDSQUARE); written",
            "record 3: possible duplicate of record 2 (differs in COMMENT, QSL_SENT); written"}));
}

TEST(RunDuplicates, ARecordWithAnEntityIsNotLeftOutForOneWithout)
{
    // Curacao begins at 04:00 on that day; PJ2T had no entity a minute earlier.
    OneRun run;
    run.options.entities = true;
    const std::string pj2t = With(kSampleText, 19, "PJ2T      ");
    EXPECT_TRUE(run.Offer(With(With(pj2t, 1, "10/10/10"), 9, "0359")));
    EXPECT_TRUE(run.Offer(With(With(pj2t, 1, "10/10/10"), 9, "0400")));
    EXPECT_FALSE(run.Offer(With(With(pj2t, 1, "10/10/10"), 9, "0401")));
    EXPECT_EQ(run.findings.lines,
              (std::vector<std::string>{
                  "record 2: possible duplicate of record 1 (differs in DXCC, COUNTRY, CQZ, ITUZ, "
                  "CONT); written",
                  "record 3: duplicate of record 2; left out"}));
}

TEST(RunDuplicates, PrefersARecordItAddsNothingToThenTheNearest)
{
    OneRun run;
    EXPECT_TRUE(run.Offer(With(SampleAt("1400"), 47, "first       ")));
    EXPECT_TRUE(run.Offer(With(SampleAt("1410"), 47, "second      ")));
    EXPECT_FALSE(run.Offer(With(SampleAt("1409"), 47, "first       ")));
    EXPECT_FALSE(run.Offer(With(SampleAt("1409"), 47, "------------")));
    EXPECT_EQ(run.findings.lines,
              (std::vector<std::string>{
                  "record 2: possible duplicate of record 1 (differs in COMMENT); written",
                  "record 3: duplicate of record 1; left out",
                  "record 4: duplicate of record 2; left out"}));
}

TEST(RunDuplicates, NamesTheEarlierLogOfTheRun)
{
    OneRun run;
    run.gate.StartLog("a.log");
    EXPECT_TRUE(run.Offer(SampleAt("1412")));
    run.gate.StartLog("b.log");
    run.number = 0;
    EXPECT_TRUE(run.Offer(SampleAt("1512")));
    EXPECT_FALSE(run.Offer(SampleAt("1418")));
    EXPECT_FALSE(run.Offer(SampleAt("1510")));
    EXPECT_EQ(run.findings.lines,
              (std::vector<std::string>{"record 2: duplicate of record 1 of a.log; left out",
                                        "record 3: duplicate of record 1; left out"}));
}

TEST(RunDuplicates, ALogThatFailedHoldsNoneOfTheRunsRecords)
{
    OneRun run;
    run.gate.StartLog("a.log");
    EXPECT_TRUE(run.Offer(SampleAt("1412")));
    run.gate.StartLog("b.log");
    run.number = 0;
    EXPECT_TRUE(run.Offer(SampleAt("1512")));
    run.gate.AbandonLog();
    run.gate.StartLog("c.log");
    run.number = 0;
    EXPECT_TRUE(run.Offer(SampleAt("1512")));
    EXPECT_FALSE(run.Offer(SampleAt("1412")));
    EXPECT_EQ(run.findings.lines,
              std::vector<std::string>{"record 2: duplicate of record 1 of a.log; left out"});
}

} // namespace
