#include "common/AsciiCase.h"
#include "dxcc/Entity.h"
#include "examples/RandomLog.h"
#include "support/ConversionTestSupport.h"
#include "support/JsonValue.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>

using namespace TestSupport;

namespace {

// What a log holds, counted by the test from the bytes as the log's layout has them: 64-byte
// records, the date's day, month and two-digit year in characters 1-8, the time in 9-12, the
// frequency in 13-15, the mode in 16-18, the call in 19-28, the grid in 41-46 and the QSL
// received flag in 60.
struct Tally
{
    std::uint64_t records = 0;
    std::uint64_t skipped = 0;
    std::string first;
    std::string last;
    std::map<std::string, std::uint64_t> years, bands, modes;
    std::set<std::string> calls;
    std::set<std::string> grids, confirmedGrids;
    struct Entity
    {
        std::uint64_t qsos = 0;
        bool confirmed = false;
        std::set<std::string> bands;
    };
    std::map<int, Entity> entities;
};

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), Common::AsciiUpper);
    return text;
}

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

// Two digits, a digit with a blank on either side, or a sign and a digit; -1 is no year.
std::optional<int> Year(char a, char b)
{
    std::optional<int> year;
    if (Digit(a) && Digit(b))
        year = (a - '0') * 10 + (b - '0');
    else if ((a == ' ' && Digit(b)) || (a == '+' && Digit(b)))
        year = b - '0';
    else if (Digit(a) && b == ' ')
        year = a - '0';
    else if (a == '-' && Digit(b))
        year = -(b - '0');
    return year == -1 ? std::nullopt : year;
}

// "YYYYMMDD" of a real date, or empty.
std::string CalendarDate(const std::string& text, int year)
{
    if (year < 0 || !Digit(text[0]) || !Digit(text[1]) || !Digit(text[3]) || !Digit(text[4]))
        return "";
    const int day = std::stoi(text.substr(0, 2));
    const int month = std::stoi(text.substr(3, 2));
    const int full = year < 30 ? 2000 + year : 1900 + year;
    const bool leap = full % 4 == 0 && (full % 100 != 0 || full % 400 == 0);
    const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > days[month - 1])
        return "";
    char date[40];
    (void)std::snprintf(date, sizeof date, "%04d%02d%02d", full, month, day);
    return date;
}

// The frequencies the generator writes, and the bands they stand for.
const std::map<std::string, std::string> kBandOf = {
    {"1.8", "160m"}, {"3.5", "80m"}, {"7", "40m"},  {"10", "30m"}, {"14", "20m"}, {"18", "17m"},
    {"21", "15m"},   {"24", "12m"},  {"28", "10m"}, {"50", "6m"},  {"144", "2m"}, {"432", "70cm"}};
const std::vector<std::string> kBandOrder = {"160m", "80m", "40m", "30m", "20m", "17m",
                                             "15m",  "12m", "10m", "6m",  "2m",  "70cm"};
const std::map<std::string, std::string> kModeOf = {{"SSB", "SSB"},  {"CW", "CW"},   {"FT8", "FT8"},
                                                    {"RTY", "RTTY"}, {"PSK", "PSK"}, {"FM", "FM"},
                                                    {"AM", "AM"}};

bool IsCall(const std::string& call)
{
    const bool characters = std::all_of(call.begin(), call.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || Digit(c) || c == '/';
    });
    return call.size() >= 3 && characters && std::any_of(call.begin(), call.end(), Digit) &&
           std::any_of(call.begin(), call.end(), [](char c) { return c >= 'A' && c <= 'Z'; }) &&
           call.front() != '/' && call.back() != '/' && call.front() != '0' &&
           (call.front() != '1' || std::string("AMS").find(call[1]) != std::string::npos);
}

// The generator's locators: a field and a square, and a subsquare or not.
bool IsLocator(const std::string& grid)
{
    const auto letter = [](char c, char last) {
        c = Upper(std::string(1, c))[0];
        return c >= 'A' && c <= last;
    };
    return (grid.size() == 4 || grid.size() == 6) && letter(grid[0], 'R') && letter(grid[1], 'R') &&
           Digit(grid[2]) && Digit(grid[3]) &&
           (grid.size() == 4 || (letter(grid[4], 'X') && letter(grid[5], 'X')));
}

// The call's entity on the QSO's date, looked up as the standard form looks it up.
void CountEntity(Tally& tally, const std::string& call, const std::string& text,
                 const std::string& date, const std::string& band)
{
    const std::string time = text.substr(8, 4);
    const bool isTime = std::all_of(time.begin(), time.end(), Digit) &&
                        std::stoi(time.substr(0, 2)) < 24 && std::stoi(time.substr(2)) < 60;
    const Dxcc::Lookup lookup = Dxcc::LookUpEntity(call, date, isTime ? time : "");
    if (lookup.result != Dxcc::Lookup::Result::Found)
        return;
    Tally::Entity& entity = tally.entities[lookup.entity.dxcc];
    ++entity.qsos;
    entity.confirmed = entity.confirmed || text[59] == 'R';
    if (!band.empty())
        entity.bands.insert(band);
}

// A record whose year can be read.
void CountQso(Tally& tally, const std::string& text, int year)
{
    const std::string date = CalendarDate(text, year);
    if (!date.empty()) {
        ++tally.years[date.substr(0, 4)];
        tally.first = tally.first.empty() ? date : std::min(tally.first, date);
        tally.last = std::max(tally.last, date);
    }
    const auto found = kBandOf.find(Trimmed(text.substr(12, 3)));
    const std::string band = found != kBandOf.end() ? found->second : "";
    if (!band.empty())
        ++tally.bands[band];
    const auto mode = kModeOf.find(Upper(Trimmed(text.substr(15, 3))));
    if (mode != kModeOf.end())
        ++tally.modes[mode->second];
    const std::string grid = Trimmed(text.substr(40, 6));
    if (IsLocator(grid)) {
        tally.grids.insert(Upper(grid.substr(0, 4)));
        if (text[59] == 'R')
            tally.confirmedGrids.insert(Upper(grid.substr(0, 4)));
    }
    const std::string call = Upper(Trimmed(text.substr(18, 10)));
    if (IsCall(call)) {
        tally.calls.insert(call);
        CountEntity(tally, call, text, date, band);
    }
}

Tally Count(const std::string& bytes)
{
    Tally tally;
    for (std::size_t at = 0; at + 64 <= bytes.size(); at += 64) {
        const std::string text = bytes.substr(at, 60);
        ++tally.records;
        if (const std::optional<int> year = Year(text[6], text[7]))
            CountQso(tally, text, *year);
        else
            ++tally.skipped;
    }
    return tally;
}

std::uint64_t Sum(const std::map<std::string, std::uint64_t>& counts)
{
    std::uint64_t sum = 0;
    for (const auto& [key, count] : counts)
        sum += count;
    return sum;
}

// A log's object against the test's own count of it.
void ExpectCounts(const JsonValue& counts, const Tally& tally)
{
    EXPECT_EQ(counts["records"].number, tally.records);
    EXPECT_EQ(counts["skipped"].number, tally.skipped);
    EXPECT_EQ(counts["qsos"].number, tally.records - tally.skipped);
    EXPECT_EQ(counts["first"].string, tally.first);
    EXPECT_EQ(counts["last"].string, tally.last);
    EXPECT_EQ(counts["years"].Counts(), tally.years);
    EXPECT_EQ(counts["bands"].Counts(), tally.bands);
    EXPECT_EQ(counts["modes"].Counts(), tally.modes);
    EXPECT_EQ(counts["calls"].number, tally.calls.size());
    EXPECT_EQ(counts["grids"]["worked"].number, tally.grids.size());
    EXPECT_EQ(counts["grids"]["confirmed"].number, tally.confirmedGrids.size());
    // Years and bands ascending.
    const std::vector<std::string> years = counts["years"].Keys();
    EXPECT_TRUE(std::is_sorted(years.begin(), years.end()));
    std::vector<std::string> bands;
    std::copy_if(kBandOrder.begin(), kBandOrder.end(), std::back_inserter(bands),
                 [&tally](const std::string& band) { return tally.bands.contains(band); });
    EXPECT_EQ(counts["bands"].Keys(), bands);

    const JsonValue& entities = counts["entities"];
    EXPECT_EQ(entities["worked"].number, tally.entities.size());
    std::uint64_t confirmed = 0;
    ASSERT_EQ(entities["list"].items.size(), tally.entities.size());
    auto expected = tally.entities.begin();
    for (const JsonValue& entity : entities["list"].items) {
        EXPECT_EQ(entity["dxcc"].number, static_cast<std::uint64_t>(expected->first));
        EXPECT_EQ(entity["qsos"].number, expected->second.qsos);
        EXPECT_EQ(entity["confirmed"].boolean, expected->second.confirmed);
        std::set<std::string> worked;
        for (const JsonValue& band : entity["bands"].items)
            worked.insert(band.string);
        EXPECT_EQ(worked, expected->second.bands);
        confirmed += expected->second.confirmed ? 1 : 0;
        ++expected;
    }
    EXPECT_EQ(entities["confirmed"].number, confirmed);
    EXPECT_EQ(counts["findings"]["QSO_DATE illegal year"].number, tally.skipped);
}

class StatisticsCommandTest : public ::testing::Test
{
protected:
    FixedClock clock;
    TempErrorLog errorLog;
    TempFolder folder;
};

// The counts of a generated log, as the program gives them, against the test's own; the
// findings are those --check lists.
TEST_F(StatisticsCommandTest, CountsOfAGeneratedLogMatchAnIndependentCount)
{
    const std::string log = folder / "day.log";
    const std::string bytes = Examples::RandomLogBytes(5000, 17) + "tail";
    WriteFile(log, bytes);
    const Tally tally = Count(bytes);
    ASSERT_GT(tally.skipped, 0u);

    const CliRun run({"--stats", "--json", log});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(run.out.ends_with("}\n"));
    const JsonValue json = JsonValue::Parse(run.out);
    EXPECT_EQ(json.Keys(), (std::vector<std::string>{"logs", "all"}));
    ASSERT_EQ(json["logs"].items.size(), 1u);
    const JsonValue& counts = json["logs"].items[0];
    EXPECT_EQ(counts.Keys(), (std::vector<std::string>{"log", "records", "qsos", "skipped", "first",
                                                       "last", "years", "bands", "modes", "calls",
                                                       "entities", "grids", "findings"}));
    EXPECT_EQ(counts["log"].string, log);
    ExpectCounts(counts, tally);
    // A log alone is all there is.
    JsonValue all = counts;
    all.members.erase(all.members.begin());
    EXPECT_EQ(json["all"], all);

    const CliRun check({"--check", log});
    const std::regex total(R"(day\.log: ([0-9]+) findings in)");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(check.out, found, total)) << check.out;
    EXPECT_EQ(Sum(counts["findings"].Counts()), std::stoull(found[1].str()));
}

// Logs of a run, one of them missing and one empty: the missing one is named and fails the
// run, the others are counted, and "all" adds their QSOs but counts a call of two logs once.
// The last log repeats the first one's records, which are duplicates of the run.
TEST_F(StatisticsCommandTest, RunCountsEveryLogItCanReadAndAllOfThemTogether)
{
    const std::string full = folder / "full.log";
    const std::string empty = folder / "empty.log";
    const std::string missing = folder / "missing.log";
    const std::string part = folder / "part.log";
    const std::string fullBytes = Examples::RandomLogBytes(400, 3);
    constexpr std::size_t kPartBytes = static_cast<std::size_t>(64) * 50; // its first 50 records
    const std::string partBytes = fullBytes.substr(0, kPartBytes) + Record(kIllegalYearText);
    WriteFile(full, fullBytes);
    WriteFile(empty, "");
    WriteFile(part, partBytes);

    const CliRun run({"--stats", "--json", full, empty, missing, part});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("missing.log"), std::string::npos) << run.err;
    const JsonValue json = JsonValue::Parse(run.out);
    const std::vector<JsonValue>& logs = json["logs"].items;
    ASSERT_EQ(logs.size(), 3u);
    EXPECT_EQ(logs[1]["log"].string, empty);
    EXPECT_EQ(logs[2]["log"].string, part);
    ExpectCounts(logs[0], Count(fullBytes));
    const Tally partTally = Count(partBytes);
    EXPECT_EQ(logs[2]["records"].number, partTally.records);
    EXPECT_EQ(logs[2]["skipped"].number, partTally.skipped);
    const std::uint64_t leftOut = logs[2]["findings"].Counts()["duplicate of"];
    EXPECT_GT(leftOut, 40u);
    EXPECT_EQ(logs[2]["qsos"].number + leftOut, partTally.records - partTally.skipped);

    const JsonValue& nothing = logs[1];
    EXPECT_EQ(nothing["records"].number, 0u);
    EXPECT_EQ(nothing["first"].type, JsonValue::Type::Null);
    EXPECT_EQ(nothing["last"].type, JsonValue::Type::Null);
    EXPECT_TRUE(nothing["years"].members.empty());
    EXPECT_TRUE(nothing["findings"].members.empty());
    EXPECT_EQ(nothing["calls"].number, 0u);

    const JsonValue& all = json["all"];
    EXPECT_EQ(all["records"].number, logs[0]["records"].number + logs[2]["records"].number);
    EXPECT_EQ(all["skipped"].number, logs[0]["skipped"].number + logs[2]["skipped"].number);
    EXPECT_EQ(all["first"], logs[0]["first"]);
    EXPECT_EQ(all["calls"], logs[0]["calls"]);
    EXPECT_EQ(all["grids"], logs[0]["grids"]);
    for (const auto& [mode, count] : all["modes"].Counts())
        EXPECT_EQ(count, logs[0]["modes"].Counts()[mode] + logs[2]["modes"].Counts()[mode]);

    // The table: every log read, and all of them together.
    const CliRun text({"--stats", full, missing, part});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.out.find(full + "\n"), 0u) << text.out;
    EXPECT_NE(text.out.find("\n" + part + "\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nall logs\n  records        451\n"), std::string::npos) << text.out;
}

// The QSOs --stats counts are those that the conversion of the same run writes: a record
// that repeats an earlier one, of its own log or of an earlier log of the run, is left out of
// both, with the same finding.
TEST_F(StatisticsCommandTest, QsosAreThoseTheConversionOfTheRunWrites)
{
    const std::string first = folder / "first.log";
    const std::string second = folder / "second.log";
    WriteFile(first, Record(kSampleText) + Record(SampleAt("1420")) + Record(SampleAt("1600")));
    WriteFile(second, Record(SampleAt("1600")) + Record(Patched(1, "02/01/98")));

    const CliRun stats({"--stats", "--json", first, second});
    ASSERT_EQ(stats.status, 0) << stats.err;
    const JsonValue json = JsonValue::Parse(stats.out);
    const CliRun converted({"--adif3", first, second});
    ASSERT_EQ(converted.status, 0) << converted.err;
    const std::vector<std::string> adifs = {folder / "first.ADI", folder / "second.ADI"};
    for (std::size_t at = 0; at < adifs.size(); ++at) {
        const JsonValue& counts = json["logs"].items[at];
        const std::string adif = ReadFile(adifs[at]);
        std::uint64_t written = 0;
        for (std::size_t found = adif.find("<EOR>"); found != std::string::npos;
             found = adif.find("<EOR>", found + 1))
            ++written;
        EXPECT_EQ(counts["records"].number, at == 0 ? 3u : 2u);
        EXPECT_EQ(counts["qsos"].number, written) << adifs[at];
        EXPECT_EQ(counts["findings"].Counts(),
                  (std::map<std::string, std::uint64_t>{{"duplicate of", 1}}))
            << adifs[at];
    }
    EXPECT_NE(
        converted.err.find(second + ": record 1: duplicate of record 3 of " + first + "; left out"),
        std::string::npos)
        << converted.err;
    // The contact of both logs is written once, and counted once.
    const JsonValue& all = json["all"];
    EXPECT_EQ(all["records"].number, 5u);
    EXPECT_EQ(all["qsos"].number, 3u);
    EXPECT_EQ(all["bands"].Counts(), (std::map<std::string, std::uint64_t>{{"20m", 3}}));
}

// A small log's table, whole.
TEST_F(StatisticsCommandTest, TableShowsCountsPerYearBandModeAndFinding)
{
    const std::string log = folder / "small.log";
    WriteFile(log, Record(kSampleText) + Record(kIllegalYearText) +
                       Record(Patched(1, "02/01/98") /* another year, on the same call */));
    const CliRun run({"--stats", log});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, log + "\n"
                             "  records        3\n"
                             "  QSOs           2\n"
                             "  skipped        1\n"
                             "  first QSO      1998-01-02\n"
                             "  last QSO       2003-09-10\n"
                             "  callsigns      1\n"
                             "  DXCC entities  1 worked, 0 confirmed\n"
                             "  grid squares   1 worked, 0 confirmed\n"
                             "\n"
                             "  year  QSOs\n"
                             "  1998     1\n"
                             "  2003     1\n"
                             "\n"
                             "  band  QSOs  entities  confirmed\n"
                             "  20m      2         1          0\n"
                             "\n"
                             "  mode  QSOs\n"
                             "  SSB      2\n"
                             "\n"
                             "  continent  QSOs\n"
                             "  NA            2\n"
                             "\n"
                             "  DXCC  entity                    continent  QSOs  confirmed  bands\n"
                             "  291   UNITED STATES OF AMERICA  NA            2  no         20m\n"
                             "\n"
                             "  finding                count\n"
                             "  QSO_DATE illegal year      1\n"
                             "\n");
}

TEST_F(StatisticsCommandTest, JsonNeedsStatsAndStatsWritesNoAdif)
{
    const std::string log = folder / "day.log";
    WriteFile(log, Record(kSampleText));
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--json", log},
                                               {"--check", "--json", log},
                                               {"--stats", "--check", log},
                                               {"--stats", "--adif3", log},
                                               {"--stats", "-o", folder / "x.ADI", log},
                                               {"--stats", "--replace", log},
                                               {"--stats", "--json"}}) {
        const CliRun run(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0] << " " << arguments[1];
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"day.log"});
}

} // namespace
