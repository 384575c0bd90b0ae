#include "adif/AdifWriter.h"

#include "common/TextStream.h"
#include "support/TestSupport.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <system_error>
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

// The header written piece by piece, each piece handed on at once: a line's
// text, then its line end. The output fails from its `failingWrite`th write
// on (0: never); what came before the failure stays, nothing after it.
TEST(WriteExportHeader, WritesFourLinesAndKeepsWhatCameBeforeAFailure)
{
    const TestSupport::ScopedLocale locale("C");
    const TestSupport::FixedClock clock;
    std::vector<std::string> pieces;
    for (const std::string& line : TestSupport::kHeaderLines)
        pieces.insert(pieces.end(), {line, "\r\n"});
    for (std::size_t failingWrite = 0; failingWrite <= pieces.size(); ++failingWrite) {
        SCOPED_TRACE(testing::Message() << "write " << failingWrite << " fails");
        const TestSupport::TempErrorLog log;
        TestSupport::CapturedText captured(failingWrite);
        Common::TextStream output(captured, 1);
        Conversion::WriteExportHeader(output); // returns normally
        std::string expected;
        for (std::size_t i = 0; i < pieces.size() && (failingWrite == 0 || i + 1 < failingWrite);
             ++i)
            expected += pieces[i];
        EXPECT_EQ(captured.text, expected);
        if (failingWrite != 0)
            EXPECT_TRUE(TestSupport::HasReport(log.Contents(), ENOSPC,
                                               "KestrelConversion.WriteExportHeader"));
        else
            EXPECT_EQ(log.Contents().find("WriteExportHeader"), std::string::npos);
    }
}

} // namespace
