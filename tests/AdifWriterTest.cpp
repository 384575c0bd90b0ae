#include "AdifWriter.h"

#include "TestSupport.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Conversion::AppendField;
using Conversion::RemoveLeadingAngleBrackets;

TEST(RemoveLeadingAngleBrackets, RemovesEveryOpeningBracketOnly)
{
    const std::pair<std::string, std::string> cases[] = {
        {"<<A<B>", "AB>"}, {"", ""},       {">", ">"},           {"<", ""},
        {"<<<<", ""},      {"a<b<", "ab"}, {"N0CALL", "N0CALL"}, {"a\0<\xE9<"s, "a\0\xE9"s},
    };
    for (const auto& [input, expected] : cases) {
        SCOPED_TRACE("input \"" + input + "\"");
        EXPECT_EQ(RemoveLeadingAngleBrackets(input), expected);
    }
}

TEST(RemoveLeadingAngleBrackets, TextsBeyond32767CharactersWork)
{
    std::string input;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        expected += static_cast<char>('a' + i % 26);
        input += "<"s + expected.back();
    }
    EXPECT_EQ(RemoveLeadingAngleBrackets(input), expected);
    std::string record;
    AppendField(record, "Comment", input);
    EXPECT_EQ(record, "<Comment:20000>" + expected + " ");
}

TEST(AppendField, AppendsTagValueAndSeparator)
{
    struct Case
    {
        std::string before, fieldName, value, after;
    };
    const Case cases[] = {
        {"", "CALL", "", ""},
        {"", "CALL", "<<", ""},
        {"<MODE:3>SSB ", "CALL", "<", "<MODE:3>SSB "},
        {"", "Comment", "a<b", "<Comment:2>ab "},
        {"", "FREQ", "14 ", "<FREQ:3>14  "},
        {"", "MODE", "   ", "<MODE:3>    "}, // blanks are a value
        {"", "X", ">", "<X:1>> "},
        {"", "Comment", "0123456789", "<Comment:10>0123456789 "},
        {"", "NAME", "J\xE9r\0me"s, "<NAME:6>J\xE9r\0me "s}, // bytes, passed unchanged
        {"<QSO_DATE:8>20030910 ", "CALL", "N0<CALL", "<QSO_DATE:8>20030910 <CALL:6>N0CALL "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fieldName + " \"" + c.value + "\"");
        std::string record = c.before;
        AppendField(record, c.fieldName, c.value);
        EXPECT_EQ(record, c.after);
    }
}

class WriteExportHeader : public testing::Test
{
protected:
    const std::vector<std::string> header_ = {
        "ADIF file",
        "created by KestrelToADIF 1.0.0 on 11-Sep-2003 05:12:26 UTC",
        "<ProgramID:13>KestrelToADIF",
        "<EOH>",
    };
    TestSupport::ScopedLocale locale_{"C"};
    TestSupport::FixedClock clock_{UTC::SystemTime{2003, 9, 11, 5, 12, 26, 0}};
};

// Line `failingLine` of the output fails (0: none does).
TEST_F(WriteExportHeader, WritesFourLinesAndKeepsThoseBeforeAFailure)
{
    for (std::size_t failingLine = 0; failingLine <= 4; ++failingLine) {
        SCOPED_TRACE(testing::Message() << "line " << failingLine << " fails");
        const TestSupport::TempErrorLog log;
        TestSupport::CapturingOutput output(failingLine);
        Conversion::WriteExportHeader(output); // returns normally
        const std::size_t written = failingLine == 0 ? 4 : failingLine - 1;
        EXPECT_EQ(output.lines, std::vector(header_.begin(), header_.begin() + written));
        if (failingLine != 0)
            EXPECT_TRUE(TestSupport::HasReport(log.Contents(), ENOSPC,
                                               "KestrelConversion.WriteExportHeader"));
        else
            EXPECT_EQ(log.Contents().find("WriteExportHeader"), std::string::npos);
    }
}

} // namespace
