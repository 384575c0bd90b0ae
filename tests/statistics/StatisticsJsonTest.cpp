#include "statistics/StatisticsJson.h"

#include "statistics/CountLog.h"
#include "support/JsonValue.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

std::string Confirmed(std::string text)
{
    text[59] = 'R';
    return text;
}

// The page's object of a log: the run's keys and the squares worked for its map, each once, in
// order, confirmed where any of its QSOs is; a locator of a field alone names no square.
TEST(StatisticsJson, PageObjectListsEachSquareWorkedOnceWithItsConfirmation)
{
    const TempFolder folder;
    const std::string log = folder / "grids.log";
    WriteFile(log, Record(Patched(41, "jn58  ")) + Record(kSampleText) +
                       Record(Confirmed(Patched(41, "JN58td"))) + Record(Patched(41, "JN    ")) +
                       Record(Patched(41, "FN42aa")));
    const JsonValue json = JsonValue::Parse(
        Statistics::LogJsonWithGridList("grids.log", Statistics::CountLog(log, nullptr)));

    EXPECT_EQ(json.Keys(), (std::vector<std::string>{"log", "records", "qsos", "skipped", "first",
                                                     "last", "years", "bands", "modes", "calls",
                                                     "entities", "grids", "findings", "gridList"}));
    const std::vector<JsonValue>& squares = json["gridList"].items;
    ASSERT_EQ(squares.size(), 2u);
    EXPECT_EQ(squares[0]["square"].string, "FN42");
    EXPECT_FALSE(squares[0]["confirmed"].boolean);
    EXPECT_EQ(squares[1]["square"].string, "JN58");
    EXPECT_TRUE(squares[1]["confirmed"].boolean);
    EXPECT_EQ(json["grids"]["worked"].number, 2u);
    EXPECT_EQ(json["grids"]["confirmed"].number, 1u);
}

} // namespace
