#include "adif/standard/AdxWriter.h"
#include "adif/standard/StandardAdifWriter.h"
#include "record/LogRecord.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using TestSupport::kSampleText;

struct ListedFindings : Conversion::FindingSink
{
    void Report(const Conversion::Finding& finding) override
    {
        lines.push_back(Conversion::DescribeFinding(finding));
    }
    std::vector<std::string> lines;
};

// The sample with `replacement` written over it from 1-based `position` on.
std::string Patched(std::size_t position, const std::string& replacement)
{
    return std::string(kSampleText).replace(position - 1, replacement.size(), replacement);
}

// One record through a standard writer: its line, and its findings.
template <class Writer> struct Written
{
    explicit Written(const std::string& text, std::uint64_t recordNumber = 7)
    {
        Writer writer(findings);
        const std::optional<Conversion::RecordFields> fields = Conversion::DecodeFields(text);
        if (!fields) {
            writer.SkipRecord(text, recordNumber);
            return;
        }
        std::string room(writer.LongestLine() + 1, '#');
        const char* const end = writer.WriteRecord(*fields, recordNumber, room.data());
        EXPECT_EQ(room.back(), '#') << "written beyond the room";
        line = room.substr(0, static_cast<std::size_t>(end - room.data()));
    }
    bool Has(const std::string& part) const { return line.find(part) != std::string::npos; }
    std::string line;
    ListedFindings findings;
};
using Adi = Written<Conversion::StandardAdifWriter>;
using Adx = Written<Conversion::AdxWriter>;

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

// A writer remembers what each frequency and mode text means, and what it
// writes for them: texts that meet in its memory and return later, and texts
// that return beside another text of the other field, must give every record
// what a fresh writer gives it.
TEST(StandardForm, RememberedMeaningsAreThoseOfAFreshWriter)
{
    ListedFindings findings;
    Conversion::StandardAdifWriter writer(findings);
    std::string room(writer.LongestLine(), '\0');
    // Frequency characters 13-15, mode characters 16-18.
    const auto writtenAsFresh = [&](const std::string& frequencyAndMode) {
        const std::string text = Patched(13, frequencyAndMode);
        const Adi fresh(text);
        findings.lines.clear();
        const char* const end = writer.WriteRecord(*Conversion::DecodeFields(text), 7, room.data());
        ASSERT_EQ(std::string(room.c_str(), end), fresh.line);
        ASSERT_EQ(findings.lines, fresh.findings.lines);
    };
    const std::string characters = " 147.0cwRTYsb";
    for (int round = 0; round < 2; ++round)
        for (const char a : characters)
            for (const char b : characters)
                for (const char c : characters)
                    writtenAsFresh({a, b, c, c, b, a});
    for (const char* const frequency : {"14 ", "7  ", "1.8", " 21", "5  ", "x  "})
        for (const char* const mode : {"CW ", "usb", "RTY", "DIG", " FM"})
            writtenAsFresh(std::string(frequency) + mode);
}

// The text fields, RST sent to the comment, are looked at as one span: a
// byte beyond ASCII anywhere in it, its ends included, is found.
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

TEST(StandardForm, IllegalYearSkipsTheRecordWithAFinding)
{
    const Adi skipped(TestSupport::kIllegalYearText, 12);
    EXPECT_EQ(skipped.line, "");
    ASSERT_EQ(skipped.findings.lines.size(), 1u);
    EXPECT_EQ(skipped.findings.lines[0],
              R"(record 12: QSO_DATE "01/02/AB": illegal year; record skipped)");
}

TEST(StandardForm, AdxKeepsTheCommentsOwnTextAndEscapesXml)
{
    const Adx written(Patched(19, "dl1abc    ").replace(46, 12, "Caf\xE9 & <ok> "));
    EXPECT_EQ(written.line,
              "<RECORD><QSO_DATE>20030910</QSO_DATE><TIME_ON>1412</TIME_ON><BAND>20m</BAND>"
              "<FREQ>14</FREQ><MODE>SSB</MODE><CALL>DL1ABC</CALL><RST_SENT>59</RST_SENT>"
              "<RST_RCVD>57</RST_RCVD><GRIDSQUARE>FN42</GRIDSQUARE>"
              "<COMMENT>Cafe &amp; &lt;ok&gt;</COMMENT>"
              "<COMMENT_INTL>Caf\xC3\xA9 &amp; &lt;ok&gt;</COMMENT_INTL>"
              R"(<APP PROGRAMID="KestrelToADIF" FIELDNAME="COMMENT" TYPE="S">)"
              R"(Caf\xE9 &amp; &lt;ok&gt;</APP></RECORD>)");
    EXPECT_EQ(written.findings.lines.size(), 1u);

    // Blanks that a dropped control byte hid at the end are trimmed too.
    const Adx padded(Patched(47, "Gr\xFC\xDF"
                                 "e Hans \0"s));
    EXPECT_TRUE(padded.Has("<COMMENT>Grusse Hans</COMMENT>"
                           "<COMMENT_INTL>Gr\xC3\xBC\xC3\x9F"
                           "e Hans</COMMENT_INTL>"))
        << padded.line;
}

TEST(StandardForm, FormOfContentTellsTheFormsApart)
{
    using Conversion::AdifForm;
    EXPECT_EQ(Conversion::FormOfContent(""), std::nullopt);
    EXPECT_EQ(Conversion::FormOfContent("ADIF file\r\ncreated by\r\n<ProgramID:13>K\r\n<EOH>\r\n"),
              AdifForm::Classic);
    EXPECT_EQ(Conversion::FormOfContent("text\r\n<adif_ver:5>3.1.7\r\n<EOH>\r\n<CALL:1>A<EOR>"),
              AdifForm::Standard);
    // Only the header counts, and a file without one has no ADIF_VER.
    EXPECT_EQ(Conversion::FormOfContent("ADIF\r\n<EOH>\r\n<COMMENT:12><ADIF_VER:5> <EOR>"),
              AdifForm::Classic);
    EXPECT_EQ(Conversion::FormOfContent("<ADIF_VER:5>3.1.7 <EOR>"), AdifForm::Classic);
    EXPECT_EQ(Conversion::FormOfContent("\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<ADX>"),
              AdifForm::Adx);
}

} // namespace
