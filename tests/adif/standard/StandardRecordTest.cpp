#include "adif/standard/StandardRecord.h"

#include "adif/standard/StandardAdifWriter.h"
#include "common/TextStream.h"
#include "examples/RandomLog.h"
#include "support/WrittenRecord.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_literals;
using TestSupport::kSampleText;

using TestSupport::ListedFindings;
using TestSupport::Patched;
using Adi = TestSupport::Written<Conversion::StandardAdifWriter>;

// The values of a record line, read as a strict reader reads them: by their
// lengths, each followed by a space, the line ended by <EOR>.
std::vector<std::string> ValuesByLength(std::string_view line)
{
    std::vector<std::string> values;
    while (!line.empty() && line != "<EOR>") {
        const std::size_t colon = line.find(':');
        const std::size_t close = line.find('>');
        if (!line.starts_with('<') || colon == std::string_view::npos ||
            close == std::string_view::npos || close < colon) {
            ADD_FAILURE() << "no field tag at " << line;
            break;
        }
        const std::size_t length = std::stoul(std::string(line.substr(colon + 1)));
        values.emplace_back(line.substr(close + 1, length));
        line.remove_prefix(std::min(line.size(), close + 1 + length));
        EXPECT_TRUE(line.starts_with(' ')) << "no space after a value at " << line;
        line.remove_prefix(std::min<std::size_t>(line.size(), 1));
    }
    return values;
}

bool HoldsTagCharacter(const std::vector<std::string>& values)
{
    return std::any_of(values.begin(), values.end(), [](const std::string& value) {
        return value.find_first_of("<>") != std::string::npos;
    });
}

TEST(StandardForm, SoundRecordIsTrimmedTypedAndHasNoFinding)
{
    const Adi sample(Patched(47, "QRP 5W      SR"));
    EXPECT_EQ(sample.line,
              "<QSO_DATE:8>20030910 <TIME_ON:4>1412 <BAND:3>20m <FREQ:2>14 "
              "<MODE:3>SSB <CALL:6>N0CALL <RST_SENT:2>59 <RST_RCVD:2>57 "
              "<GRIDSQUARE:4>FN42 <COMMENT:6>QRP 5W <QSL_SENT:1>Y <QSL_RCVD:1>Y <EOR>");
    EXPECT_TRUE(sample.findings.lines.empty());
}

TEST(StandardForm, PlainTranslationsNeedNoFinding)
{
    struct Case
    {
        std::size_t position;
        std::string replacement;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    // clang-format off
    const Case cases[] = {
        {16, "rty", {"<MODE:4>RTTY "}, {"SUBMODE"}},
        {16, " cw", {"<MODE:2>CW "}, {}},
        {16, "SST", {"<MODE:4>SSTV "}, {}},
        {16, "lsb", {"<MODE:3>SSB <SUBMODE:3>LSB "}, {}},
        {16, "FT4", {"<MODE:4>MFSK <SUBMODE:3>FT4 "}, {}},
        // Band indicators just below their band: the band, and no frequency outside it.
        {13, "10 ", {"<BAND:3>30m "}, {"FREQ"}}, {13, " 5 ", {"<BAND:3>60m "}, {"FREQ"}},
        {13, "18 ", {"<BAND:3>17m "}, {"FREQ"}}, {13, "24 ", {"<BAND:3>12m "}, {"FREQ"}},
        {13, "1.8", {"<BAND:4>160m <FREQ:3>1.8 "}, {}}, {13, "430", {"<BAND:4>70cm <FREQ:3>430 "}, {}},
        {13, "  7", {"<BAND:3>40m <FREQ:1>7 "}, {}},
        {19, "  dl1abc  ", {"<CALL:6>DL1ABC "}, {}}, {19, "1A0KM     ", {"<CALL:5>1A0KM "}, {}},
        {41, "jo62qm", {"<GRIDSQUARE:6>jo62qm "}, {}}, {41, "------", {}, {"GRIDSQUARE"}},
        {41, "rr99xx", {"<GRIDSQUARE:6>rr99xx "}, {}}, {41, "AA00AA", {"<GRIDSQUARE:6>AA00AA "}, {}},
        {1, "29/02/04", {"<QSO_DATE:8>20040229 "}, {}}, {9, "2359", {"<TIME_ON:4>2359 "}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Adi written(Patched(c.position, c.replacement));
        SCOPED_TRACE(written.line);
        for (const std::string& part : c.present)
            EXPECT_TRUE(written.Has(part)) << part;
        for (const std::string& part : c.absent)
            EXPECT_FALSE(written.Has(part)) << part;
        EXPECT_TRUE(written.findings.lines.empty()) << written.findings.lines.front();
    }
}

// One writer converts a whole log: what it keeps from one record for the
// next (its texts, its kept values) must never show in another record. Each
// record of a varied log, written in turn by one writer, is what a fresh
// writer makes of it.
TEST(StandardForm, EachRecordOfALogIsWrittenAsByAFreshWriter)
{
    ListedFindings findings;
    const Conversion::StandardOptions options;
    Conversion::StandardAdifWriter writer(findings, options);
    TestSupport::CapturedText captured;
    Common::TextStream output(captured, 1);
    Examples::RandomLog log(3);
    for (int i = 0; i < 2000; ++i) {
        const std::string text = log.NextRecord().substr(0, 60);
        const Adi fresh(text);
        findings.lines.clear();
        captured.text.clear();
        if (const std::optional<Conversion::RecordFields> fields = Conversion::DecodeFields(text))
            writer.WriteRecord(*fields, 7, output);
        else
            writer.SkipRecord(text, 7);
        ASSERT_EQ(captured.text, fresh.line.empty() ? "" : fresh.line + "\r\n") << i;
        ASSERT_EQ(findings.lines, fresh.findings.lines) << i;
    }
}

// A byte beyond ASCII in any of the text fields, RST sent to the comment, at
// either end of each, is found and kept out of the line.
TEST(StandardForm, ABytePastAsciiAnywhereInTheTextFieldsIsFound)
{
    for (const std::size_t position : {29, 34, 35, 40, 41, 46, 47, 52, 58}) {
        const Adi written(Patched(position, "\xE9"));
        EXPECT_EQ(written.findings.lines.size(), 1u) << "character " << position;
        EXPECT_TRUE(std::all_of(written.line.begin(), written.line.end(), [](char byte) {
            return byte >= 0x20 && byte < 0x7F;
        })) << written.line;
    }
}

TEST(StandardForm, ValuesWithoutStandardFormAreKeptAndReported)
{
    struct Case
    {
        std::size_t position;
        std::string replacement;
        std::string finding; // the whole line for record 7
        std::string kept;    // the field of ours, or nothing
        std::string leftOut; // the standard field's tag that must be missing
    };
    // clang-format off
    const Case cases[] = {
        {16, "DIG", R"(MODE "DIG": not an ADIF mode; left out, kept in APP_KESTRELTOADIF_MODE)",
         "<APP_KESTRELTOADIF_MODE:3>DIG ", "<MODE:"},
        {1, "30/02/03", R"(QSO_DATE "30/02/03": not a calendar date; left out, kept in APP_KESTRELTOADIF_QSO_DATE)",
         "<APP_KESTRELTOADIF_QSO_DATE:8>30/02/03 ", "<QSO_DATE:"},
        {1, "29/02/03", R"(QSO_DATE "29/02/03": not a calendar date; left out, kept in APP_KESTRELTOADIF_QSO_DATE)",
         "<APP_KESTRELTOADIF_QSO_DATE:8>29/02/03 ", "<QSO_DATE:"},
        {9, "2460", R"(TIME_ON "2460": not a time; left out, kept in APP_KESTRELTOADIF_TIME_ON)",
         "<APP_KESTRELTOADIF_TIME_ON:4>2460 ", "<TIME_ON:"},
        {9, "2400", R"(TIME_ON "2400": not a time; left out, kept in APP_KESTRELTOADIF_TIME_ON)",
         "<APP_KESTRELTOADIF_TIME_ON:4>2400 ", "<TIME_ON:"},
        {41, "SA00xy", R"(GRIDSQUARE "SA00xy": not a Maidenhead locator; left out, kept in APP_KESTRELTOADIF_GRIDSQUARE)",
         "<APP_KESTRELTOADIF_GRIDSQUARE:6>SA00xy ", "<GRIDSQUARE:"},
        {13, "99 ", R"(FREQ "99 ": not a band; left out, kept in APP_KESTRELTOADIF_FREQ)",
         "<APP_KESTRELTOADIF_FREQ:3>99  ", "<BAND:"},
        {19, "N0\0CALL\\  "s, R"(CALL "N0\x00CALL\x5C": not a callsign; left out, kept in APP_KESTRELTOADIF_CALL)",
         R"(<APP_KESTRELTOADIF_CALL:14>N0\x00CALL\x5C )", "<CALL:"},
        {19, "          ", R"(CALL "": no callsign; left out)", "", "<CALL:"},
        {19, "N0\"CALL   ", R"(CALL "N0\x22CALL": not a callsign; left out, kept in APP_KESTRELTOADIF_CALL)",
         "<APP_KESTRELTOADIF_CALL:7>N0\"CALL ", "<CALL:"},
        {41, "ZZ99  ", R"(GRIDSQUARE "ZZ99": not a Maidenhead locator; left out, kept in APP_KESTRELTOADIF_GRIDSQUARE)",
         "<APP_KESTRELTOADIF_GRIDSQUARE:4>ZZ99 ", "<GRIDSQUARE:"},
        {47, "Gr\xFC\xDF" "e  \x80 5  "s,
         R"(COMMENT "Gr\xFC\xDFe  \x80 5": holds characters beyond ASCII; written as "Grusse  EUR 5", the original kept in APP_KESTRELTOADIF_COMMENT)",
         R"(<APP_KESTRELTOADIF_COMMENT:19>Gr\xFC\xDFe  \x80 5 )", ""},
        {29, "5\0" "9\t  "s, R"(RST_SENT "5\x009\x09": holds control bytes; written as "59", the original kept in APP_KESTRELTOADIF_RST_SENT)",
         R"(<APP_KESTRELTOADIF_RST_SENT:10>5\x009\x09 )", ""},
        {1, "05/07/ 7", R"(QSO_DATE "05/07/ 7": year not written with two digits; written as "20070705", the original kept in APP_KESTRELTOADIF_QSO_DATE)",
         "<APP_KESTRELTOADIF_QSO_DATE:8>05/07/ 7 ", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Adi written(Patched(c.position, c.replacement));
        SCOPED_TRACE(written.line);
        ASSERT_EQ(written.findings.lines.size(), 1u);
        EXPECT_EQ(written.findings.lines[0], "record 7: " + c.finding);
        if (!c.kept.empty()) {
            EXPECT_TRUE(written.Has(c.kept)) << c.kept;
        }
        if (!c.leftOut.empty()) {
            EXPECT_FALSE(written.Has(c.leftOut)) << c.leftOut;
        }
        EXPECT_TRUE(std::all_of(written.line.begin(), written.line.end(), [](char byte) {
            return byte >= 0x20 && byte < 0x7F;
        })) << "not plain ASCII";
    }
}

// A reader that looks for tags instead of counting lengths takes a "<" or
// ">" in a value for the edge of a field: they are removed from the value,
// and the value kept with them escaped.
TEST(StandardForm, TagCharactersLeaveTheValuesAndAreKeptEscaped)
{
    struct Case
    {
        std::size_t position;
        std::string replacement;
        std::string finding; // the whole line for record 7
        std::vector<std::string> present;
        std::string absent;
    };
    const std::string misread = "holds < or >, which readers that look for tags misread";
    // clang-format off
    const Case cases[] = {
        {47, "5W <dipole> ", R"(COMMENT "5W <dipole>": )" + misread +
         R"(; written as "5W dipole", the original kept in APP_KESTRELTOADIF_COMMENT)",
         {"<COMMENT:9>5W dipole ", R"(<APP_KESTRELTOADIF_COMMENT:17>5W \x3Cdipole\x3E )"}, ""},
        {47, "<<QRZ>>     ", R"(COMMENT "<<QRZ>>": )" + misread +
         R"(; written as "QRZ", the original kept in APP_KESTRELTOADIF_COMMENT)",
         {"<COMMENT:3>QRZ ", R"(<APP_KESTRELTOADIF_COMMENT:19>\x3C\x3CQRZ\x3E\x3E )"}, ""},
        // What is left is trimmed; nothing but blanks is nothing.
        {47, "<x> 73      ", R"(COMMENT "<x> 73": )" + misread +
         R"(; written as "x 73", the original kept in APP_KESTRELTOADIF_COMMENT)",
         {"<COMMENT:4>x 73 "}, ""},
        {47, "<> <>  <<   ", R"(COMMENT "<> <>  <<": )" + misread +
         "; left out, kept in APP_KESTRELTOADIF_COMMENT",
         {R"(<APP_KESTRELTOADIF_COMMENT:27>\x3C\x3E \x3C\x3E  \x3C\x3C )"}, "<COMMENT:"},
        {29, "<59>  ", R"(RST_SENT "<59>": )" + misread +
         R"(; written as "59", the original kept in APP_KESTRELTOADIF_RST_SENT)",
         {"<RST_SENT:2>59 ", R"(<APP_KESTRELTOADIF_RST_SENT:10>\x3C59\x3E )"}, ""},
        {19, "A<B1CD    ", R"(CALL "A<B1CD": not a callsign; left out, kept in APP_KESTRELTOADIF_CALL)",
         {R"(<APP_KESTRELTOADIF_CALL:9>A\x3CB1CD )"}, "<CALL:"},
        // Letters beyond ASCII that become "<" or ">" in plain ASCII.
        {47, "a\x8B" "b\xBB" "c       ", R"(COMMENT "a\x8Bb\xBBc": holds characters beyond ASCII; )"
         R"(written as "abc", the original kept in APP_KESTRELTOADIF_COMMENT)",
         {"<COMMENT:3>abc "}, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Adi written(Patched(c.position, c.replacement));
        SCOPED_TRACE(written.line);
        ASSERT_EQ(written.findings.lines.size(), 1u);
        EXPECT_EQ(written.findings.lines[0], "record 7: " + c.finding);
        for (const std::string& part : c.present)
            EXPECT_TRUE(written.Has(part)) << part;
        if (!c.absent.empty()) {
            EXPECT_FALSE(written.Has(c.absent)) << c.absent;
        }
        EXPECT_FALSE(HoldsTagCharacter(ValuesByLength(written.line)));
    }
}

// Wherever "<" and ">" stand in whatever a record holds, no value holds one,
// so that a reader looking for tags finds the fields the lengths say.
TEST(StandardForm, NoValueHoldsATagCharacter)
{
    Examples::RandomLog log(11);
    // NOLINTNEXTLINE(cert-msc32-c,cert-msc51-cpp): the same places on every run, on purpose.
    std::mt19937 places(11);
    for (int i = 0; i < 3000; ++i) {
        std::string text = log.NextRecord().substr(0, 60);
        for (auto n = places() % 4; n > 0; --n)
            text[places() % 60] = places() % 2 == 0 ? '<' : '>';
        const Adi written(text);
        ASSERT_FALSE(HoldsTagCharacter(ValuesByLength(written.line))) << written.line;
    }
}

TEST(StandardForm, IllegalYearSkipsTheRecordWithAFinding)
{
    const Adi skipped(TestSupport::kIllegalYearText, 12);
    EXPECT_EQ(skipped.line, "");
    ASSERT_EQ(skipped.findings.lines.size(), 1u);
    EXPECT_EQ(skipped.findings.lines[0],
              R"(record 12: QSO_DATE "01/02/AB": illegal year; record skipped)");
}

} // namespace
