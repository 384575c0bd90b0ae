#include "TestSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

using namespace TestSupport;

// The installed program's start-up, run for real: a log path that is a folder
// fails, and the failure reaches the error log in the user's state folder with
// the header block of this run.
TEST(CommandLineProgram, AFailureReachesTheErrorLogWithItsHeader)
{
    const TempFolder state;
    const TempFolder logs;
    const std::string log = logs / "folder.log";
    std::filesystem::create_directory(log);
    const std::string command = "env XDG_STATE_HOME='" + state.Path() +
                                "' LC_ALL=de_DE.UTF-8 '" KESTREL_TO_ADIF "' '" + log +
                                "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    EXPECT_EQ(WEXITSTATUS(status), 1);

    const std::string text = ReadFile(state / "KestrelToADIF/ErrorLog.txt");
    const std::vector<std::string> lines = SplitCrLfLines(text);
    ASSERT_EQ(lines.size(), 7u) << text;
    // Every line ends in CR LF, and no line feed stands alone.
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    const std::string folder = std::filesystem::canonical(KESTREL_TO_ADIF).parent_path().string();
    const std::string ends[] = {
        " > KestrelToADIF version 1.0.0",
        " > App.Path        : " + folder,
        " > App.exe         : kestrel-to-adif",
        "", // the system's name, below
        " > Country         : Deutschland",
        " > Language        : Deutsch",
        "program error " + std::to_string(EISDIR) +
            " in module KestrelConversion.ConvertCmd_Click: " + std::strerror(EISDIR),
    };
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].ends_with(ends[i])) << lines[i];
    const std::string osLabel = " > Operating System: ";
    const std::size_t os = lines[3].find(osLabel);
    ASSERT_NE(os, std::string::npos) << lines[3];
    EXPECT_GT(lines[3].size(), os + osLabel.size()) << lines[3];
}

} // namespace
