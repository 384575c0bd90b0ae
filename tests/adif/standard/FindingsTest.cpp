#include "adif/standard/Findings.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;
using Action = Conversion::Finding::Action;

TEST(DescribeFinding, OneAsciiLineForEachAction)
{
    const struct
    {
        Conversion::Finding finding;
        std::string line;
    } cases[] = {
        {{7, "MODE", "DIG", "not an ADIF mode", Action::LeftOutAndKept, {}, {}},
         R"(record 7: MODE "DIG": not an ADIF mode; left out, kept in APP_KESTRELTOADIF_MODE)"},
        // Every byte of the value kept, escaped; the quote too, so that its end is never in doubt.
        {{12345678901234,
          "COMMENT",
          "Gr\xFC\xDF\x65\0\\\""sv,
          "holds characters beyond ASCII",
          Action::Translated,
          "Grusse",
          {}},
         R"(record 12345678901234: COMMENT "Gr\xFC\xDFe\x00\x5C\x22": holds characters beyond )"
         R"(ASCII; written as "Grusse", the original kept in APP_KESTRELTOADIF_COMMENT)"},
        {{1, "CALL", "", "no callsign", Action::Missing, {}, {}},
         R"(record 1: CALL "": no callsign; left out)"},
        {{18446744073709551615U, "QSO_DATE", "\xFF\xFF", "illegal year", Action::Skipped, {}, {}},
         R"(record 18446744073709551615: QSO_DATE "\xFF\xFF": illegal year; record skipped)"},
        // A finding about the whole record names no field; a detail follows the problem.
        {{9, {}, {}, "duplicate of", Action::LeftOutRecord, {}, "record 4 of a.log"},
         "record 9: duplicate of record 4 of a.log; left out"},
        {{5,
          "CALL",
          "pj2t",
          "names a DXCC entity that was not on the DXCC list on the QSO's date",
          Action::Written,
          {},
          "(CURACAO)"},
         R"(record 5: CALL "pj2t": names a DXCC entity that was not on the DXCC list on the )"
         R"(QSO's date (CURACAO); written)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Conversion::DescribeFinding(c.finding), c.line);
}

TEST(DescribeFindingCount, NoneOneAndMany)
{
    EXPECT_EQ(Conversion::DescribeFindingCount(0, 0), "no findings");
    EXPECT_EQ(Conversion::DescribeFindingCount(1, 1), "1 finding in 1 record");
    EXPECT_EQ(Conversion::DescribeFindingCount(5, 3), "5 findings in 3 records");
}

TEST(KeptFieldName, TheProgramsOwnFieldForAStandardOne)
{
    EXPECT_EQ(Conversion::KeptFieldName("MODE"), "APP_KESTRELTOADIF_MODE");
}

// Findings arrive in the order of the records; a record with several is one record.
TEST(FindingTally, CountsFindingsAndTheRecordsTheyNameOnTheirWay)
{
    struct Kept : Conversion::FindingSink
    {
        void Report(const Conversion::Finding& finding) override
        {
            records.push_back(finding.record);
        }
        std::vector<std::uint64_t> records;
    } next;
    Conversion::FindingTally tally(next);
    for (const std::uint64_t record : {3, 3, 3, 8, 9, 9})
        tally.Report({record, "MODE", "DIG", "not an ADIF mode", Action::LeftOutAndKept, {}, {}});
    EXPECT_EQ(tally.Findings(), 6u);
    EXPECT_EQ(tally.Records(), 3u);
    EXPECT_EQ(next.records, (std::vector<std::uint64_t>{3, 3, 3, 8, 9, 9}));
}

} // namespace
