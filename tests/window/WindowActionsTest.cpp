#include "window/WindowActions.h"

#include "support/ConversionTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Conversion::WindowActions;
using namespace TestSupport;

TEST(WindowActions, ADropCarriesALogWhenItIsExactlyOneExistingFile)
{
    const TempFolder folder;
    // A name beyond ASCII: UTF-8 on Windows, the system's bytes elsewhere.
    const std::string log = folder / "K\xC3\xB6ln.log";
    WriteFile(log, Record(kSampleText));
    WriteFile(folder / "b.log", Record(kSampleText));
    EXPECT_EQ(WindowActions::DroppedLog({log}), log);
    EXPECT_EQ(WindowActions::DroppedLog({}), std::nullopt);
    EXPECT_EQ(WindowActions::DroppedLog({log, folder / "b.log"}), std::nullopt);
    EXPECT_EQ(WindowActions::DroppedLog({folder.Path()}), std::nullopt);
    EXPECT_EQ(WindowActions::DroppedLog({folder / "missing.log"}), std::nullopt);
}

class WindowActionsTest : public ::testing::Test
{
protected:
    FixedClock clock;
    TempErrorLog errorLog;
    TempFolder folder;
    ScriptedFileSelector selector;
    ScriptedMessageBoxes messages;
    MemorySettingsStore settings;
    std::vector<bool> notices;
};

// The window shows what the program refuses about the name, in the command
// line's words; only what nothing foresaw goes to the error log alone.
TEST_F(WindowActionsTest, ARefusedConversionIsShownNotOnlyLogged)
{
    WindowActions actions(selector, messages, settings);
    const std::string log = folder / "day.log";
    WriteFile(log, Record(kSampleText));
    std::filesystem::create_directory(folder / "day.ADI");
    selector.choices.emplace_back(log);
    actions.ConvertCmd_Click();
    ASSERT_EQ(messages.Texts(Conversion::MessageKind::Refused).size(), 1u);
    EXPECT_TRUE(
        messages.Texts(Conversion::MessageKind::Refused)[0].starts_with(folder / "day.ADI" + ": "));
    EXPECT_EQ(errorLog.Contents(), "");
}

TEST_F(WindowActionsTest, TheMenuItemChoosesTheFormOfTheNextConversionsAndIsKept)
{
    settings.values[kStandardAdif3Key] = "1";
    WindowActions actions(selector, messages, settings);
    EXPECT_TRUE(actions.StandardAdif3());
    actions.ChooseStandardAdif3(false);
    EXPECT_EQ(settings.values[kStandardAdif3Key], "0");

    const std::string log = folder / "day.log";
    WriteFile(log, Record(kSampleText));
    actions.ConvertDroppedLog(log);
    EXPECT_EQ(SplitCrLfLines(ReadFile(folder / "day.ADI")).front(), "ADIF file");
    actions.ChooseStandardAdif3(true);
    EXPECT_EQ(settings.values[kStandardAdif3Key], "1");
    EXPECT_TRUE(WindowActions(selector, messages, settings).StandardAdif3());
}

// The callsign the dialog was given, blanks and case aside, goes into the next
// standard conversions and is kept; an empty one is none; one that is not a
// callsign is refused with a message and the old one stays.
TEST_F(WindowActionsTest, TheStationCallsignIsTakenKeptAndRefusedWhenItIsNoCallsign)
{
    const std::string key = "KestrelToADIF/General/StationCallsign";
    settings.values[kStandardAdif3Key] = "1";
    settings.values[key] = "k1abc";
    WindowActions actions(selector, messages, settings);
    EXPECT_EQ(actions.StationCallsign(), "K1ABC");
    const std::string log = folder / "day.log";
    WriteFile(log, Record(kSampleText));
    const auto converted = [&] {
        std::filesystem::remove(folder / "day.ADI");
        actions.ConvertDroppedLog(log);
        return ReadFile(folder / "day.ADI");
    };
    EXPECT_NE(converted().find("<STATION_CALLSIGN:5>K1ABC <EOR>"), std::string::npos);

    EXPECT_TRUE(actions.ChooseStationCallsign(" w1aw/4\t"));
    EXPECT_EQ(settings.values[key], "W1AW/4");
    EXPECT_NE(converted().find("<STATION_CALLSIGN:6>W1AW/4 <EOR>"), std::string::npos);

    messages.messages.clear();
    EXPECT_FALSE(actions.ChooseStationCallsign("W1@W"));
    ASSERT_EQ(messages.Texts(Conversion::MessageKind::Refused),
              std::vector<std::string>{
                  "\"W1@W\" is not a callsign; the station callsign is still W1AW/4"});
    EXPECT_EQ(settings.values[key], "W1AW/4");
    EXPECT_EQ(actions.StationCallsign(), "W1AW/4");

    EXPECT_TRUE(actions.ChooseStationCallsign("  "));
    EXPECT_EQ(settings.values[key], "");
    EXPECT_EQ(converted().find("STATION_CALLSIGN"), std::string::npos);
    EXPECT_FALSE(actions.ChooseStationCallsign("0AB1"));
    EXPECT_EQ(messages.Texts(Conversion::MessageKind::Refused).back(),
              "\"0AB1\" is not a callsign; there is still no station callsign");

    // A stored value that is not a callsign is none, and stays as it is.
    settings.values[key] = "W1@W";
    EXPECT_EQ(WindowActions(selector, messages, settings).StationCallsign(), "");
    EXPECT_EQ(settings.values[key], "W1@W");
}

// Each conversion of a window is a run of its own: a log's duplicates are
// left out, counted and listed, and the same log converted again is written whole.
TEST_F(WindowActionsTest, EachConversionLeavesOutTheDuplicatesOfItsOwnLog)
{
    settings.values[kStandardAdif3Key] = "1";
    WindowActions actions(selector, messages, settings);
    const std::string log = folder / "day.log";
    WriteFile(log, Record(kSampleText) + Record(SampleAt("1420")) + Record(SampleAt("1520")));
    const std::string report = folder / "day-findings.txt";
    const std::string findings = "; 1 finding in 1 record, listed in " + report;
    actions.ConvertDroppedLog(log);
    messages.answers.push_back(Conversion::Answer::Yes); // replace it
    actions.ConvertDroppedLog(log);
    EXPECT_EQ(messages.Texts(Conversion::MessageKind::Summary),
              (std::vector<std::string>{"2 QSOs appended to " + (folder / "day.ADI") + findings,
                                        "2 QSOs written to " + (folder / "day.ADI") + findings}));
    EXPECT_NE(ReadFile(report).find("record 2: duplicate of record 1; left out"), std::string::npos)
        << ReadFile(report);
}

// A window's boxes spin its event loop: whatever the user does in the
// window meanwhile must not act inside the running conversion.
TEST_F(WindowActionsTest, NothingActsWhileAConversionRuns)
{
    const std::string log = folder / "day.log";
    WriteFile(log, Record(kSampleText));
    WindowActions actions(selector, messages, settings,
                          [this](bool converting) { notices.push_back(converting); });
    messages.whileShowing = [&](Conversion::MessageKind) {
        EXPECT_TRUE(actions.Converting());
        actions.ConvertCmd_Click();
        actions.ConvertDroppedLog(log);
        actions.ChooseStandardAdif3(true);
        actions.ChooseStationCallsign("K1ABC");
    };
    actions.ConvertDroppedLog(log);
    EXPECT_FALSE(actions.Converting());
    EXPECT_TRUE(selector.shown.empty()) << "a second conversion opened the dialog";
    EXPECT_EQ(messages.messages.size(), 1u) << "one summary, of one conversion";
    EXPECT_FALSE(actions.StandardAdif3());
    EXPECT_EQ(settings.values.count(kStandardAdif3Key), 0u);
    EXPECT_EQ(actions.StationCallsign(), "");
    EXPECT_EQ(notices, (std::vector<bool>{true, false}));
}

} // namespace
