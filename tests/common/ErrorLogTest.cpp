#include "common/ErrorLog.h"

#include "common/ApplicationIdentity.h"
#include "common/ErrorNumbers.h"
#include "common/LocaleInfo.h"
#include "common/ProgramError.h"
#include "common/UTC.h"
#include "support/TestSupport.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using namespace TestSupport;

// Names de_DE's language and country (items 2 and 6) and nothing else; records what it was
// asked in a script the test keeps.
struct LocaleScript
{
    enum class Failing { None, UserLocale, Item };
    std::string userLocale = "de_DE.UTF-8";
    Failing failing = Failing::None;
    int userLocaleCalls = 0;
    std::vector<std::int32_t> itemsAsked;
};

class ScriptedLocaleQueries : public LocaleInfo::LocaleQueries
{
public:
    explicit ScriptedLocaleQueries(LocaleScript& script) : script_(script) {}
    std::string UserLocale() override
    {
        ++script_.userLocaleCalls;
        if (script_.failing == LocaleScript::Failing::UserLocale)
            throw std::runtime_error("no user locale");
        return script_.userLocale;
    }
    std::optional<std::string> LocaleItem(const std::string&, std::int32_t item) override
    {
        script_.itemsAsked.push_back(item);
        if (script_.failing == LocaleScript::Failing::Item)
            throw std::runtime_error("no locale item");
        if (item == LocaleInfo::kLanguageName || item == LocaleInfo::kCountryName)
            return item == LocaleInfo::kLanguageName ? "Deutsch" : "Deutschland";
        return std::nullopt;
    }

private:
    LocaleScript& script_;
};

// Header lines stamped 11-Sep-2003 05:00:00, the clock at 11-Sep-2003 05:12:26.
constexpr double kStartTime = 37875.0 + 5.0 / 24.0;
const std::string kNow = "11-Sep-2003 05:12:26";

std::string Header(const std::string& country = "Deutschland",
                   const std::string& language = "Deutsch")
{
    const std::string stamp = "11-Sep-2003 05:00:00 > ";
    return stamp + "KestrelToADIF version 1.0.0\r\n" + stamp +
           "App.Path        : /opt/kestrel/bin\r\n" + stamp +
           "App.exe         : KestrelToADIF\r\n" + stamp +
           "Operating System: Debian GNU/Linux 12 (bookworm), Linux 6.1.0 build 7\r\n" + stamp +
           "Country         : " + country + "\r\n" + stamp + "Language        : " + language +
           "\r\n";
}

std::string Line(const std::string& message, const std::string& stamp = kNow)
{
    return stamp + " > " + message + "\r\n";
}

std::string ProgramErrorText(int number, const std::string& location)
{
    return "program error " + std::to_string(number) + " in module " + location + ": " +
           Common::ErrorDescription(static_cast<std::int16_t>(number));
}

class ErrorLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Common::ResetErrorLogForNewRun();
        Common::SetErrorLogPath(logPath);
        Common::SetStartTime(kStartTime);
        Common::SetOperatingSystemValues("Debian GNU/Linux 12 (bookworm), Linux 6.1.0", 7);
        Common::IdentifyRunningProgram("/opt/kestrel/bin/KestrelToADIF");
        LocaleInfo::SetLocaleQueries(std::make_unique<ScriptedLocaleQueries>(script));
    }
    void TearDown() override
    {
        LocaleInfo::SetLocaleQueries(nullptr);
        Common::SetErrorLogPath("");
        Common::SetOperatingSystemValues("", 0);
        Common::ResetErrorLogForNewRun();
    }

    FixedClock clock;
    TempFolder folder;
    // Not there yet: the first report makes the folder.
    const std::string logPath = folder / "state/KestrelToADIF/ErrorLog.txt";
    LocaleScript script;
};

TEST_F(ErrorLogTest, HeaderBeforeFirstReportOfRunOnly)
{
    Common::ProgramError(EIO, "Common.ContainingDirectory");
    Common::LogError("second");

    EXPECT_EQ(ReadFile(logPath), Header() +
                                     Line(ProgramErrorText(EIO, "Common.ContainingDirectory")) +
                                     Line("second"));
    EXPECT_EQ(script.userLocaleCalls, 2);
    EXPECT_EQ(script.itemsAsked,
              (std::vector<std::int32_t>{LocaleInfo::kCountryName, LocaleInfo::kLanguageName}));
    EXPECT_EQ(LocaleInfo::GetUserLocaleInfo("de_DE", 3), "");
}

TEST_F(ErrorLogTest, NoUserLocaleLeavesNamesEmptyWithoutAskingForThem)
{
    script.userLocale = "";
    Common::LogError("report");

    EXPECT_EQ(ReadFile(logPath), Header("", "") + Line("report"));
    EXPECT_TRUE(script.itemsAsked.empty());
}

TEST_F(ErrorLogTest, EarlierRunsStayInFront)
{
    std::filesystem::create_directories(folder / "state/KestrelToADIF");
    std::ofstream(logPath, std::ios::binary) << "earlier run\r\n";
    Common::LogError("one");
    Common::ResetErrorLogForNewRun();
    Common::LogError("two");

    EXPECT_EQ(ReadFile(logPath),
              "earlier run\r\n" + Header() + Line("one") + Header() + Line("two"));
}

TEST_F(ErrorLogTest, UnwritableReportIsLostAndStillUsesUpHeader)
{
    // Root ignores permissions: a folder below a regular file is one nobody can write.
    const std::string blocker = folder / "afile";
    std::ofstream(blocker) << "untouched";
    for (const std::string& path : {std::string(), blocker + "/ErrorLog.txt", folder.Path()}) {
        SCOPED_TRACE(path);
        Common::ResetErrorLogForNewRun();
        Common::SetErrorLogPath(path);
        Common::LogError("lost");
        EXPECT_TRUE(Common::LogHeaderWritten());
    }
    EXPECT_EQ(ReadFile(blocker), "untouched");

    Common::SetErrorLogPath(logPath);
    Common::LogError("written");
    EXPECT_EQ(ReadFile(logPath), Line("written"));
}

TEST_F(ErrorLogTest, FailingQueriesFollowReportInsteadOfRecursing)
{
    const std::string zero = "30-Dec-1899 00:00:00";
    const auto failure = [&](const char* location) {
        return Line(ProgramErrorText(ENOTRECOVERABLE, location), zero);
    };
    const std::pair<LocaleScript::Failing, std::string> cases[] = {
        {LocaleScript::Failing::UserLocale,
         failure("LocaleInfo.GetLocaleCountry") + failure("LocaleInfo.GetLocaleLanguage")},
        {LocaleScript::Failing::Item,
         failure("LocaleInfo.GetUserLocaleInfo") + failure("LocaleInfo.GetUserLocaleInfo")},
    };
    UTC::SetSystemTimeSource([]() -> UTC::SystemTime { throw std::runtime_error("no clock"); });
    for (const auto& [failing, reports] : cases) {
        std::filesystem::remove(logPath);
        Common::ResetErrorLogForNewRun();
        script.failing = failing;
        Common::LogError("report");
        EXPECT_EQ(ReadFile(logPath),
                  Header("", "") + Line("report", zero) + reports + failure("UTC.CurrentTime"));
    }
}

// A failure met at every record writes its first hundred reports and then how many more
// there were; each run has its own hundred.
TEST_F(ErrorLogTest, ARunWritesAHundredReportsAndCountsTheRest)
{
    const std::pair<int, std::string> runs[] = {
        {150, "50 more reports of this run were not written"},
        {101, "1 more report of this run was not written"},
        {100, ""},
    };
    std::string expected;
    for (const auto& [reports, count] : runs) {
        expected += Header();
        for (int i = 1; i <= reports; ++i) {
            Common::LogError("report " + std::to_string(i));
            if (i <= 100)
                expected += Line("report " + std::to_string(i));
        }
        Common::ResetErrorLogForNewRun(); // the run ends
        if (!count.empty())
            expected += Line(count);
    }
    EXPECT_EQ(ReadFile(logPath), expected);
}

#ifndef _WIN32
TEST(DefaultErrorLogPath, UserStateFolder)
{
    const std::string fallback = "/home/op/.local/state/KestrelToADIF/ErrorLog.txt";
    const std::pair<std::map<std::string, std::string>, std::string> cases[] = {
        {{{"XDG_STATE_HOME", "/x/state/"}, {"HOME", "/home/op"}},
         "/x/state/KestrelToADIF/ErrorLog.txt"},
        {{{"HOME", "/home/op"}}, fallback},
        {{{"XDG_STATE_HOME", ""}, {"HOME", "/home/op"}}, fallback},
        // A relative XDG_STATE_HOME is ignored.
        {{{"XDG_STATE_HOME", "state"}, {"HOME", "/home/op"}}, fallback},
        {{{"HOME", ""}}, ""},
    };
    for (const auto& [environment, expected] : cases)
        EXPECT_EQ(Common::ErrorLogPathFromEnvironment(EnvironmentOf(environment)), expected);

    const std::filesystem::path own = Common::DefaultErrorLogPath();
    EXPECT_TRUE(own.is_absolute() && own.string().ends_with("/KestrelToADIF/ErrorLog.txt")) << own;
}
#else
TEST(DefaultErrorLogPath, UserLocalApplicationData)
{
    const std::pair<std::map<std::string, std::string>, std::string> cases[] = {
        {{{"LOCALAPPDATA", "C:\\Users\\Bj\xC3\xB6rn\\AppData\\Local"}},
         "C:\\Users\\Bj\xC3\xB6rn\\AppData\\Local\\KestrelToADIF\\ErrorLog.txt"},
        {{{"LOCALAPPDATA", ""}}, ""},
        {{}, ""},
    };
    for (const auto& [environment, expected] : cases)
        EXPECT_EQ(Common::ErrorLogPathFromEnvironment(EnvironmentOf(environment)), expected);
}
#endif

} // namespace
