#include "statistics/JsonWriter.h"

#include "support/JsonValue.h"

#include <gtest/gtest.h>

using Statistics::JsonString;
using TestSupport::JsonValue;

namespace {

// Names of files may hold any bytes: what is well-formed UTF-8 stays, every other byte is read
// as Windows-1252, and nothing a terminal would obey is left raw.
TEST(JsonString, KeepsUtf8ReadsOtherBytesAsWindows1252AndEscapesControls)
{
    EXPECT_EQ(JsonString("caf\xC3\xA9 \xF0\x9F\x93\xBB"), "\"caf\xC3\xA9 \xF0\x9F\x93\xBB\"");
    EXPECT_EQ(JsonString("caf\xE9"), "\"caf\xC3\xA9\"");
    EXPECT_EQ(JsonString("\x80\x81"), "\"\xE2\x82\xAC\xEF\xBF\xBD\""); // the euro; unassigned
    // Overlong, a surrogate, past U+10FFFF, cut short at the end: each byte on its own.
    EXPECT_EQ(JsonString("\xC0\xAF"), "\"\xC3\x80\xC2\xAF\"");
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\xC3\xAD\xC2\xA0\xE2\x82\xAC\"");
    EXPECT_EQ(JsonString("\xF4\x90\x80\x80").substr(0, 3), "\"\xC3\xB4");
    EXPECT_EQ(JsonString("a\xE2\x82"), "\"a\xC3\xA2\xE2\x80\x9A\"");
    EXPECT_EQ(JsonString(std::string("\"\\\x01\n\x7F\0", 6)),
              "\"\\\"\\\\\\u0001\\u000A\\u007F\\u0000\"");
    EXPECT_EQ(JsonString("\xC2\x85\xC2\xA0"), "\"\\u0085\xC2\xA0\""); // a C1 control; a space
}

TEST(JsonWriter, PutsCommasAndColonsBetweenNestedValues)
{
    Statistics::JsonWriter json;
    json.BeginObject();
    json.Key("a");
    json.BeginArray();
    json.Number(1);
    json.BeginObject();
    json.EndObject();
    json.BeginArray();
    json.EndArray();
    json.Bool(false);
    json.Null();
    json.EndArray();
    json.Key("b\"");
    json.String("x");
    json.EndObject();
    EXPECT_EQ(json.Text(), R"({"a":[1,{},[],false,null],"b\"":"x"})");
    const JsonValue read = JsonValue::Parse(json.Text());
    EXPECT_EQ(read.Keys(), (std::vector<std::string>{"a", "b\""}));
    EXPECT_EQ(read["a"].items.size(), 5u);
}

} // namespace
