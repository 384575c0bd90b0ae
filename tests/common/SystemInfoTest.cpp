#include "common/SystemInfo.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <utility>

namespace {

TEST(SystemInfo, PrettyNameOfOsRelease)
{
    const std::pair<const char*, const char*> cases[] = {
        {"NAME=\"Debian\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n",
         "Debian GNU/Linux 12 (bookworm)"},
        {"PRETTY_NAME=Gentoo\r\n", "Gentoo"},
        {"PRETTY_NAME='Void Linux'\n", "Void Linux"},
        {"#PRETTY_NAME=\"commented\"\nXPRETTY_NAME=\"other\"\n", ""},
        // UTF-8 becomes Latin-1, with '?' for what Latin-1 lacks and for broken sequences.
        {"PRETTY_NAME=\"\xC3\x89t\xC3\xA9 \xE2\x9C\x93 \xF0\x9F\x90\xA7 \xC3 \x80\"",
         "\xC9t\xE9 ? ? ? ?"},
    };
    for (const auto& [file, expected] : cases)
        EXPECT_EQ(Common::PrettyNameFromOsRelease(file), expected) << file;
}

TEST(SystemInfo, KernelBuildNumber)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 (2024-02-01)", 1},
        {"#42-Ubuntu SMP", 42},
        {"#2147483647", 2147483647},
        {"#2147483648", 0},
        {"#-3 SMP", 0},
        {"#", 0},
        {"SMP #5", 0},
    };
    for (const auto& [version, expected] : cases)
        EXPECT_EQ(Common::KernelBuildNumber(version), expected) << version;
}

TEST(SystemInfo, OSNameLeavesOutWhatIsMissing)
{
    EXPECT_EQ(Common::ComposeOSName("Debian 12", "Linux", "6.1.0"), "Debian 12, Linux 6.1.0");
    EXPECT_EQ(Common::ComposeOSName("", "Linux", "6.1.0"), "Linux 6.1.0");
    EXPECT_EQ(Common::ComposeOSName("Alpine", "", ""), "Alpine");
}

} // namespace
