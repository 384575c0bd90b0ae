// The Windows program's start-up, run for real: a log path that is a folder
// fails, and the failure reaches the error log in %LOCALAPPDATA% with the
// header block that Windows' own queries fill in.
#include "common/NativePath.h"
#include "common/WideText.h"
#include "support/TestSupport.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <process.h>

namespace {

using namespace TestSupport;

TEST(CommandLineProgram, AFailureReachesTheErrorLogWithItsWindowsHeader)
{
    const TempFolder localAppData;
    const TempFolder logs;
    const std::string log = logs / "folder \xC3\xA9.log";
    std::filesystem::create_directory(Common::NativePath(log));
    ASSERT_EQ(_wputenv_s(L"LOCALAPPDATA", Common::WideFromUtf8(localAppData.Path()).c_str()), 0);
    const std::wstring program = Common::NativePath(KESTREL_TO_ADIF).make_preferred().wstring();
    const std::wstring argument = L"\"" + Common::WideFromUtf8(log) + L"\"";
    EXPECT_EQ(_wspawnl(_P_WAIT, program.c_str(), program.c_str(), argument.c_str(), nullptr), 1);

    const std::string text = ReadFile(localAppData / "KestrelToADIF\\ErrorLog.txt");
    const std::vector<std::string> lines = SplitCrLfLines(text);
    ASSERT_EQ(lines.size(), 7u) << text;
    const std::string folder =
        Common::PathText(std::filesystem::canonical(program).parent_path().make_preferred());
    const std::string ends[] = {
        " > KestrelToADIF version 1.0.0",
        " > App.Path        : " + folder,
        " > App.exe         : kestrel-to-adif",
        "", // the system's name, below
        "", // the country and the language, in the words of the system's own language
        "",
        "program error " + std::to_string(EACCES) +
            " in module KestrelConversion.ConvertCmd_Click: " + std::strerror(EACCES),
    };
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].ends_with(ends[i])) << lines[i];
    EXPECT_NE(lines[3].find(" > Operating System: Windows "), std::string::npos) << lines[3];
    EXPECT_NE(lines[3].find(" build "), std::string::npos) << lines[3];
    EXPECT_GT(lines[4].size(), std::string(" > Country         : ").size() + 20) << lines[4];
    EXPECT_GT(lines[5].size(), std::string(" > Language        : ").size() + 20) << lines[5];
}

} // namespace
