#include "app/TerminalText.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(TerminalName, KeepsUtf8AndEscapesControlsAndStrayBytes)
{
    const struct
    {
        std::string text;
        std::string shown;
    } cases[] = {
        {"/logs/D\xC3\xBCsseldorf \xE2\x82\xAC \xF0\x9F\x93\xBB.log",
         "/logs/D\xC3\xBCsseldorf \xE2\x82\xAC \xF0\x9F\x93\xBB.log"},
        {"a\tb\x7F", "a\\x09b\\x7F"},
        {"\xC2\x9B"
         "2J",
         "\\xC2\\x9B2J"},           // the one-character CSI, encoded
        {"caf\xE9", "caf\\xE9"},    // Latin-1, not UTF-8
        {"\xE2\x82", "\\xE2\\x82"}, // cut short
        {"\xE0\x80\xAF \xED\xA0\x80", "\\xE0\\x80\\xAF \\xED\\xA0\\x80"}, // overlong, surrogate
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLine::TerminalName(c.text), c.shown) << c.text;
}

TEST(TerminalText, EscapesControlBytesAndShowsLatin1AsUtf8)
{
    const struct
    {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"N0CALL 59", "N0CALL 59"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\r\n\t\x1B", "\\x0D\\x0A\\x09\\x1B"},
        {"\x7F\x80\x9F", "\\x7F\\x80\\x9F"},
        {"\xA0\xE9\xFF", "\xC2\xA0\xC3\xA9\xC3\xBF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLine::TerminalText(c.bytes), c.shown) << c.bytes;
}

} // namespace
