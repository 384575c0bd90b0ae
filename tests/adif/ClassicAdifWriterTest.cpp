#include "adif/ClassicAdifWriter.h"

#include "common/TextStream.h"
#include "record/LogRecord.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using namespace std::string_literals;
using TestSupport::kSampleLine;
using TestSupport::kSampleText;
using TestSupport::Patched;

// The classic line of the record whose 60 characters `text` holds, without
// its line end.
std::string LineOf(const std::string& text)
{
    const std::optional<Conversion::RecordFields> fields = Conversion::DecodeFields(text);
    if (!fields)
        return "unexpected: an illegal year";
    TestSupport::CapturedText captured;
    Common::TextStream output(captured);
    Conversion::ClassicAdifWriter().WriteRecord(*fields, 1, output);
    output.Flush();
    EXPECT_TRUE(captured.text.ends_with("\r\n")) << captured.text;
    return captured.text.substr(0, captured.text.size() - 2);
}

TEST(ClassicAdifWriter, TheSampleRecordsLine)
{
    EXPECT_EQ(LineOf(kSampleText), kSampleLine);
}

TEST(ClassicAdifWriter, EveryFieldInFixedOrder)
{
    EXPECT_EQ(LineOf(Patched(47, "nice QSO    SR")),
              "<QSO_DATE:8>20030910 <TIME_ON:4>1412 <FREQ:3>14  <MODE:3>SSB <CALL:6>N0CALL "
              "<RST_SENT:2>59 <RST_RCVD:2>57 <GRIDSQUARE:4>FN42 <Comment:8>nice QSO "
              "<QSL_SENT:1>Y <QSL_RCVD:1>Y <EOR>");
}

TEST(ClassicAdifWriter, TheDateAsTheCenturyAndTheCharactersAsTheyStand)
{
    EXPECT_EQ(LineOf(Patched(1, "01/02/ 7")), "<QSO_DATE:8>20 70201" + kSampleLine.substr(20));
}

TEST(ClassicAdifWriter, FieldTrimmingAndOmission)
{
    struct Case
    {
        std::size_t position;
        std::string replacement, name;
        std::optional<std::string> value; // nullopt: the line has no such field
    };
    // clang-format off
    const Case cases[] = {
        // Time, frequency and mode as stored.
        {9, " 930", "TIME_ON", " 930"}, {13, " 7 ", "FREQ", " 7 "}, {16, "CW ", "MODE", "CW "},
        {16, "   ", "MODE", "   "},
        // Only spaces are trimmed; a value of nothing else leaves its field out.
        {19, "          ", "CALL", {}}, {19, "  DL1ABC  ", "CALL", "DL1ABC"},
        {19, "\tN0CALL\t  ", "CALL", "\tN0CALL\t"}, {19, "N0CALL\0\0\0\0"s, "CALL", "N0CALL\0\0\0\0"s},
        {19, "N0<CALL<  ", "CALL", "N0CALL"}, {29, "599   ", "RST_SENT", "599"},
        {29, "      ", "RST_SENT", {}}, {35, " 5 9  ", "RST_RCVD", "5 9"},
        // "None" markers: exactly six dashes for the grid, twelve for the comment.
        {41, "------", "GRIDSQUARE", {}}, {41, "      ", "GRIDSQUARE", {}},
        {41, "----- ", "GRIDSQUARE", "-----"}, {41, " -----", "GRIDSQUARE", "-----"},
        {41, "-----\t", "GRIDSQUARE", "-----\t"}, {41, "  FN42", "GRIDSQUARE", "FN42"},
        {47, "            ", "Comment", {}}, {47, "<<<<<<<<<<<<", "Comment", {}},
        {47, "----------- ", "Comment", "-----------"}, {47, " -----------", "Comment", "-----------"},
        {47, "   ------   ", "Comment", "------"},
        // QSL flags: "S" at 59 and "R" at 60, exact case.
        {59, "S ", "QSL_SENT", "Y"}, {59, "s ", "QSL_SENT", {}}, {59, " R", "QSL_RCVD", "Y"},
        {59, " r", "QSL_RCVD", {}}, {59, "RS", "QSL_SENT", {}}, {59, "RS", "QSL_RCVD", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " from \"" + c.replacement + "\"");
        const std::string line = LineOf(Patched(c.position, c.replacement));
        const std::string tag = "<" + c.name + ":";
        if (c.value) // the value must run exactly up to the next tag
            EXPECT_NE(line.find(tag + std::to_string(c.value->size()) + ">" + *c.value + " <"),
                      std::string::npos)
                << line;
        else
            EXPECT_EQ(line.find(tag), std::string::npos) << line;
    }
}

} // namespace
