#include "app/CommandLine.h"

#include "app/TerminalText.h"
#include "dxcc/Entity.h"
#include "support/ConversionTestSupport.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <utility>

using namespace TestSupport;

namespace {

class CommandLineTest : public ::testing::Test
{
protected:
    CommandLineTest() { WriteFile(log, Record(kSampleText) + Record(SampleAt("1520"))); }

    FixedClock clock;
    TempErrorLog errorLog; // where failures are reported
    TempFolder folder;
    std::string log = folder / "day.log";
    std::string adif = folder / "day.ADI";
};

TEST_F(CommandLineTest, UsageErrorsExitWithTwoAndTouchNothing)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--frobnicate", "x.log"},
        {"--append", "--replace", "x.log"},
        {"-o", "out.ADI", "a.log", "b.log"},
        {"x.log", "-o"},
        {"--output=", "x.log"},
        {"-o", "a.ADI", "--output", "b.ADI", "x.log"},
        {"--entities", "x.log"},
        {"--check", "--entities", "x.log"},
    };
    for (const auto& arguments : cases) {
        const CliRun run(arguments);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_TRUE(run.err.starts_with("kestrel-to-adif: ")) << run.err;
        EXPECT_NE(run.err.find("--help"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

// The station's own fields go into every record of both standard forms, in
// the case the records carry them, however they were typed.
TEST_F(CommandLineTest, StationOptionsGoIntoEveryStandardRecord)
{
    const std::vector<std::string> station = {"--station-callsign", "k1abc/p", "--operator=w1xyz",
                                              "--my-gridsquare", "fn42AB"};
    const CliRun adi(Concat({{"--adif3", "-o", "-"}, station, {log}}));
    EXPECT_EQ(adi.status, 0) << adi.err;
    const std::string fields = "<STATION_CALLSIGN:7>K1ABC/P <OPERATOR:5>W1XYZ "
                               "<MY_GRIDSQUARE:6>FN42ab <EOR>\r\n";
    const std::size_t first = adi.out.find(fields);
    ASSERT_NE(first, std::string::npos) << adi.out;
    EXPECT_NE(adi.out.find(fields, first + 1), std::string::npos) << "the second record";

    const CliRun adx(Concat({{"--adx", "-o", "-"}, station, {log}}));
    EXPECT_EQ(adx.status, 0) << adx.err;
    EXPECT_NE(adx.out.find("<STATION_CALLSIGN>K1ABC/P</STATION_CALLSIGN>"), std::string::npos);
    EXPECT_NE(adx.out.find("<MY_GRIDSQUARE>FN42ab</MY_GRIDSQUARE>"), std::string::npos);
}

// Exit 2 with the reason, and nothing written: a value that is not one, one
// given twice or missing, and the classic form or --check, which have no place
// for them.
TEST_F(CommandLineTest, StationOptionsThatCannotBeWrittenAreUsageErrors)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--adif3", "--station-callsign", "W1@W", log},
         "--station-callsign \"W1@W\": not a callsign"},
        {{"--adx", "--operator=1BC2", log}, "--operator \"1BC2\": not a callsign"},
        {{"--adif3", "--station-callsign", "", log}, "--station-callsign \"\": not a callsign"},
        {{"--adif3", "--my-gridsquare", "FN42A", log},
         "--my-gridsquare \"FN42A\": not a Maidenhead locator"},
        {{"--adif3", "--my-gridsquare", "SN42", log},
         "--my-gridsquare \"SN42\": not a Maidenhead locator"},
        {{"--adif3", log, "--my-gridsquare"}, "option --my-gridsquare needs a locator"},
        {{"--adif3", "--operator", "K1ABC", "--operator", "K1ABC", log},
         "--operator can be given once only"},
        {{"--adif3", "--new-only", "a.adi", "--new-only=b.adi", log},
         "--new-only can be given once only"},
        {{"--station-callsign", "K1ABC", log},
         "--station-callsign, --operator and --my-gridsquare need --adif3 or --adx"},
        {{"--check", "--my-gridsquare", "FN42", log},
         "--check writes nothing and takes no other option but --new-only"},
    };
    for (const auto& [arguments, problem] : cases) {
        const CliRun run(arguments);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_EQ(run.err, "kestrel-to-adif: " + problem +
                               "\nTry 'kestrel-to-adif --help' for more information.\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(adif));
}

TEST_F(CommandLineTest, HelpNamesTheErrorLogAndVersionTheNumber)
{
    const CliRun help({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find(
                  "Usage: kestrel-to-adif [--adif3 | --adx [--entities]] [--append | --replace]"),
              std::string::npos);
    EXPECT_NE(help.out.find(Common::ErrorLogPath()), std::string::npos);

    const CliRun version({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kestrel-to-adif (KestrelToADIF) 1.0.0\nDXCC entities from " +
                               std::string(Dxcc::EntityTableSources()) + "\n");
}

// The entities are fields of the standard forms only; the classic form says so.
TEST_F(CommandLineTest, EntitiesAreRefusedWithTheClassicForm)
{
    const CliRun classic({"--entities", log});
    EXPECT_EQ(classic.status, 2);
    EXPECT_NE(classic.err.find("--entities needs --adif3 or --adx"), std::string::npos)
        << classic.err;
    EXPECT_FALSE(std::filesystem::exists(adif));
    EXPECT_EQ(CliRun({"--adx", "--entities", log}).status, 0);
}

TEST_F(CommandLineTest, ConvertsNextToTheLogAndReportsTheCount)
{
    const CliRun run({log});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 QSOs appended to " + adif + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(std::filesystem::exists(adif));
}

TEST_F(CommandLineTest, AnExistingAdifFileNeedsReplaceOrAppend)
{
    WriteFile(adif, kEarlierAdif);
    const CliRun refused({log});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(adif + " already exists"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--replace"), std::string::npos);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(ReadFile(adif), kEarlierAdif);

    const CliRun appended({"--append", log});
    EXPECT_EQ(appended.status, 0);
    EXPECT_EQ(appended.out, "2 QSOs appended to " + adif + "\n");

    const CliRun replaced({log, "--replace"});
    EXPECT_EQ(replaced.status, 0);
    EXPECT_EQ(replaced.out, "2 QSOs written to " + adif + "\n");
}

TEST_F(CommandLineTest, OutputOptionChoosesTheFileOrStandardOutput)
{
    const std::string chosen = folder / "elsewhere.adi";
    const CliRun toFile({"-o", chosen, log});
    EXPECT_EQ(toFile.status, 0);
    EXPECT_EQ(toFile.out, "2 QSOs appended to " + chosen + "\n");
    EXPECT_FALSE(std::filesystem::exists(adif));

    const CliRun toStdout({"--output", "-", log});
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out, ReadFile(chosen)); // same bytes either way
    EXPECT_EQ(toStdout.err, "2 QSOs written to standard output\n");
}

// One missing log among good ones: the others are converted, the status says 1.
TEST_F(CommandLineTest, FailuresNameThePathAndTheReason)
{
    const std::string missing = folder / "missing.log";
    const CliRun mixed({missing, log});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(mixed.err, "kestrel-to-adif: " + missing + ": " + std::strerror(ENOENT) + "\n");
    EXPECT_EQ(mixed.out, "2 QSOs appended to " + adif + "\n");
}

// Logs of one run that would undo each other's conversion are found before
// anything is written: two logs into one ADIF file, and a log that is the
// ADIF file of another. Nothing of the run is converted then.
TEST_F(CommandLineTest, LogsOfOneRunThatWouldUndoEachOtherAreRefusedBeforeAnyIsConverted)
{
    const std::string bare = folder / "day";
    const std::string upper = folder / "day.LOG";
    const std::string binaryLog = Record(kSampleText);
    WriteFile(bare, binaryLog);
    WriteFile(upper, binaryLog);
    WriteFile(adif, "keep\r\n");
    const std::string nothing = "kestrel-to-adif: nothing was converted\n";
    for (const char* option : {"--replace", "--append"}) {
        // Two logs, one ADIF file: day.log with day.LOG, and day with day.log.
        for (const std::string& other : {upper, bare}) {
            const CliRun run({option, log, other});
            EXPECT_EQ(run.status, 1);
            std::string expected = "kestrel-to-adif: " + log + " and ";
            expected.append(other).append(" would both be converted into ").append(adif);
            expected.append("\n").append(nothing);
            EXPECT_EQ(run.err, expected);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(ReadFile(adif), "keep\r\n");
        }
        // The log day.ADI would be overwritten by the conversion of day.
        std::filesystem::remove(adif);
        WriteFile(adif, binaryLog);
        const CliRun run({option, bare, adif});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("kestrel-to-adif: converting " + bare + " into " + adif +
                               " would overwrite the log " + adif + " of the same run\n"),
                  std::string::npos)
            << run.err;
        EXPECT_TRUE(run.err.ends_with(nothing)) << run.err;
        EXPECT_EQ(ReadFile(adif), binaryLog);
        WriteFile(adif, "keep\r\n");
    }
    // The same log twice under another name.
    const std::string alias = folder / "alias.log";
    if (CreateSymlink(log, alias)) {
        const CliRun run({"--append", alias, log});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.starts_with("kestrel-to-adif: " + alias + " and " + log)) << run.err;
        EXPECT_EQ(ReadFile(adif), "keep\r\n");
    }
    // The chosen form names the file: with --adx the log day.adx is the one at risk.
    const std::string adxLog = folder / "day.adx";
    WriteFile(adxLog, binaryLog);
    const CliRun adx({"--adx", "--replace", bare, adxLog});
    EXPECT_EQ(adx.status, 1);
    EXPECT_NE(adx.err.find("would overwrite the log " + adxLog), std::string::npos) << adx.err;
    EXPECT_EQ(ReadFile(adxLog), binaryLog);
    std::filesystem::remove(adxLog);
    // Logs into ADIF files of their own are converted as before. Where names
    // ignore case (Windows), writing day.LOG above wrote day.log: two records again.
    std::filesystem::remove(adif);
    WriteFile(log, Records(2));
    const CliRun separate({log, folder / "day.LOG.2"});
    EXPECT_EQ(separate.status, 1); // the second one is missing, the first is converted
    EXPECT_EQ(separate.out, "2 QSOs appended to " + adif + "\n");
}

#ifndef _WIN32
TEST_F(CommandLineTest, AFullDeviceFailsWithoutASummary)
{
    const CliRun full({"-o", "/dev/full", log});
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "kestrel-to-adif: /dev/full: " + std::string(std::strerror(ENOSPC)) + "\n");
    EXPECT_EQ(full.out, "");
}
#endif

TEST_F(CommandLineTest, IllegalYearsGoToStandardErrorOneLineEach)
{
    std::string text = kIllegalYearText;
    text[20] = '\x01'; // a control byte in the callsign
    text[47] = '\xE9'; // Latin-1 e acute in the comment
    WriteFile(log, Record(text) + Record(kSampleText));
    const CliRun run({log});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "Illegal year in QSO " + CommandLine::TerminalText(text) + ", ignoring QSO\n");
    EXPECT_NE(run.err.find("\\x01"), std::string::npos);
    EXPECT_NE(run.err.find("\xC3\xA9"), std::string::npos);
    EXPECT_EQ(run.out, "1 QSOs appended to " + adif + "\n");
}

#ifndef _WIN32
// A name holding a line end or a terminal command is shown escaped in every
// message, so that it can neither forge a line nor reach the terminal.
// Windows allows no control characters in file names.
TEST_F(CommandLineTest, FileNamesAreShownWithTheirControlCharactersEscaped)
{
    const std::string odd = folder / "a\nb\x1B[31m";
    const std::string shown = folder / "a\\x0Ab\\x1B[31m";
    WriteFile(odd + ".log", Record(kSampleText));
    const CliRun converted({odd + ".log"});
    EXPECT_EQ(converted.out, "1 QSOs appended to " + shown + ".ADI\n");

    const CliRun refused({odd + ".log"});
    EXPECT_TRUE(refused.err.starts_with("kestrel-to-adif: " + shown + ".ADI already exists"))
        << refused.err;
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 3) << refused.err;

    const CliRun failed({odd + "\r.log"});
    EXPECT_EQ(failed.err,
              "kestrel-to-adif: " + shown + "\\x0D.log: " + std::strerror(ENOENT) + "\n");
    EXPECT_EQ(converted.err + refused.out + failed.out, "");
}
#endif

// Any name the user's system allows: accents, symbols and characters beyond
// the Basic Multilingual Plane, held as UTF-8 where the system speaks UTF-16.
TEST_F(CommandLineTest, FileNamesInAnyScriptConvertNextToTheLog)
{
    const std::string name = folder / "K\xC3\xB6ln \xE2\x98\x8E \xF0\x9F\x93\xBB";
    WriteFile(name + ".log", Record(kSampleText));
    const CliRun run({name + ".log"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1 QSOs appended to " + name + ".ADI\n");
    EXPECT_EQ(SplitCrLfLines(ReadFile(name + ".ADI")).size(), kHeaderLines.size() + 1);
}

TEST_F(CommandLineTest, TrailingBytesThatMakeNoRecordAreNoted)
{
    WriteFile(log, Record(kSampleText) + std::string(8, 'x'));
    const CliRun run({log});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "kestrel-to-adif: note: " + log +
                           " ends in 8 bytes too few for a record; they were ignored\n");
}

#ifndef _WIN32
// A summary, help, version or check that cannot be written, or ADIF that cannot
// reach standard output, is a failure: a script must not take it for success.
// The writes go into the stream's buffer; only its flush fails.
TEST_F(CommandLineTest, AnUnwritableStandardOutputFails)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--replace", log}, {"-o", "-", log}, {"--help"}, {"--version"}, {"--check", log}};
    for (const auto& arguments : cases) {
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        std::FILE* err = std::tmpfile();
        EXPECT_EQ(CommandLine::Run(arguments, full, err), 1) << arguments[0];
        (void)std::fclose(full);
        EXPECT_EQ(CliRun::Contents(err),
                  "kestrel-to-adif: standard output: " + std::string(std::strerror(ENOSPC)) + "\n");
    }
}

// The lines on standard error are the only notice of the records a conversion
// skipped or changed: a run that cannot write them fails, though its ADIF is written.
TEST_F(CommandLineTest, AnUnwritableStandardErrorFails)
{
    WriteFile(log, Record(kIllegalYearText) + Record(kSampleText));
    WriteFile(adif, "");
    for (const char* form : {"--replace", "--adif3"}) {
        std::FILE* out = std::tmpfile();
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        (void)std::setvbuf(full, nullptr, _IONBF, 0); // as standard error is
        EXPECT_EQ(CommandLine::Run({form, "--replace", log}, out, full), 1) << form;
        (void)std::fclose(full);
        // The standard form's summary goes on to name the report.
        EXPECT_TRUE(CliRun::Contents(out).starts_with("1 QSOs written to " + adif)) << form;
    }
}
#endif

} // namespace
