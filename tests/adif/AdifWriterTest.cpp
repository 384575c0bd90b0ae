#include "adif/AdifWriter.h"

#include "common/OutputChannel.h"
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

TEST(AppendFieldText, EveryLengthCopiedWholeAndNothingBeyond)
{
    for (std::size_t length = 0; length <= 120; ++length) {
        SCOPED_TRACE(length);
        // The value in a buffer of exactly its length, so that the sanitizers
        // see any read beyond it; bytes that differ, so that a misplaced one shows.
        std::vector<char> value(length);
        for (std::size_t i = 0; i < length; ++i)
            value[i] = static_cast<char>('!' + i % 90);
        const std::string_view view(value.data(), value.size());
        const std::string expected =
            length == 0 ? "" : "<CALL:" + std::to_string(length) + ">" + std::string(view) + " ";
        std::string room(4 + length + Conversion::kFieldTextOverhead + 8, '#');
        const char* const end = Conversion::AppendFieldText(room.data(), "CALL", view);
        EXPECT_EQ(std::string_view(room.data(), static_cast<std::size_t>(end - room.data())),
                  expected);
        EXPECT_EQ(room.find_first_not_of('#', expected.size()), std::string::npos)
            << "written beyond the field";
    }
}

// Records every line; line number `failingLine` (from 1) fails as a full disk would.
struct CapturingOutput : Conversion::OutputChannel
{
    explicit CapturingOutput(std::size_t failingLine) : failingLine(failingLine) {}
    void WriteLine(std::string_view text) override
    {
        if (lines.size() + 1 == failingLine)
            throw std::system_error(ENOSPC, std::generic_category(), "WriteLine");
        lines.emplace_back(text);
    }
    std::size_t failingLine;
    std::vector<std::string> lines;
};

// Line `failingLine` of the output fails (0: none does).
TEST(WriteExportHeader, WritesFourLinesAndKeepsThoseBeforeAFailure)
{
    const TestSupport::ScopedLocale locale("C");
    const TestSupport::FixedClock clock;
    const std::vector<std::string>& header = TestSupport::kHeaderLines;
    for (std::size_t failingLine = 0; failingLine <= 4; ++failingLine) {
        SCOPED_TRACE(testing::Message() << "line " << failingLine << " fails");
        const TestSupport::TempErrorLog log;
        CapturingOutput output(failingLine);
        Conversion::WriteExportHeader(output); // returns normally
        const std::size_t written = failingLine == 0 ? 4 : failingLine - 1;
        EXPECT_EQ(output.lines, std::vector(header.begin(), header.begin() + written));
        if (failingLine != 0)
            EXPECT_TRUE(TestSupport::HasReport(log.Contents(), ENOSPC,
                                               "KestrelConversion.WriteExportHeader"));
        else
            EXPECT_EQ(log.Contents().find("WriteExportHeader"), std::string::npos);
    }
}

} // namespace
