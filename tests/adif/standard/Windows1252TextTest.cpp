#include "adif/standard/Windows1252Text.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace std::string_literals;

TEST(AsciiFor, LettersLoseTheirAccentsAndControlsAndUnassignedCodesGo)
{
    const struct
    {
        std::string bytes, ascii;
    } cases[] = {
        {"N0CALL 59 ~", "N0CALL 59 ~"},
        {"Gr\xFC\xDF"
         "e",
         "Grusse"},
        {"\x80 5 \xA3", "EUR 5 GBP"},
        {"\xC6\xE6\xDE\xFE", "AEaeTHth"},
        {"a\0b\tc\x7F"
         "d\x81\x8D\x8F\x90\x9D"
         "e"s,
         "abcde"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Conversion::AsciiFor(c.bytes), c.ascii) << c.bytes;
}

TEST(Utf8FromWindows1252, EachByteItsCharacterAndControlsAndUnassignedCodesGo)
{
    const struct
    {
        std::string bytes, utf8;
    } cases[] = {
        {"Caf\xE9", "Caf\xC3\xA9"},
        {"\x80\x9F", "\xE2\x82\xAC\xC5\xB8"},
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        {"a\0b\x1F\x7F\x81"
         "c"s,
         "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Conversion::Utf8FromWindows1252(c.bytes), c.utf8) << c.bytes;
}

// An ADIF value escapes the tag characters, a quoted one the quote; both
// escape the backslash, so that \x3C in a log stays apart from an escaped "<".
TEST(EscapedBytes, EveryByteKeptAsPlainAsciiAndWhatItsPlaceForbidsEscaped)
{
    using Conversion::EscapedFor;
    const std::string bytes = "a \"b\"\\x3C<c>\0\x1F\x7F\x80\xFF~"s;
    EXPECT_EQ(Conversion::EscapedBytes(bytes, EscapedFor::AdifValue),
              R"(a "b"\x5Cx3C\x3Cc\x3E\x00\x1F\x7F\x80\xFF~)");
    EXPECT_EQ(Conversion::EscapedBytes(bytes, EscapedFor::Quoting),
              R"(a \x22b\x22\x5Cx3C<c>\x00\x1F\x7F\x80\xFF~)");
    EXPECT_EQ(Conversion::EscapedBytes("", EscapedFor::AdifValue), "");
}

} // namespace
