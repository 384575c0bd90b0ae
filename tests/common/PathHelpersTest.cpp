#include "common/PathHelpers.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

using Common::PathStyle;
using PathFunction = std::string (*)(const std::string&, PathStyle);
using Cases = std::initializer_list<std::pair<std::string, std::string>>;

void Check(PathFunction function, PathStyle style, Cases cases)
{
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE((style == PathStyle::Windows ? "Windows \"" : "POSIX \"") + path + "\"");
        EXPECT_EQ(function(path, style), expected);
    }
}

// clang-format off
TEST(StripExtension, CutsOnlyTheFileNamesExtension)
{
    Check(Common::StripExtension, PathStyle::Windows,
          {{R"(C:\Logs\contest.log)", R"(C:\Logs\contest)"}, {R"(C:\Logs\a.b.log)", R"(C:\Logs\a.b)"},
           {R"(C:\Logs\contest)", R"(C:\Logs\contest)"}, {".log", ".log"}, {"", ""}, {"contest.", "contest"},
           {R"(C:\My.Logs\contest)", R"(C:\My.Logs\contest)"}, {R"(C:\Logs\.log)", R"(C:\Logs\.log)"},
           {"C:/Logs/x.log", "C:/Logs/x"}, {R"(C:\My.Logs/x)", R"(C:\My.Logs/x)"}, {"C:.log", "C:.log"},
           {"C:x.log", "C:x"}});
    Check(Common::StripExtension, PathStyle::Posix,
          {{"/home/me/contest.log", "/home/me/contest"}, {"logs/.log", "logs/.log"},
           {"/home/me/my.logs/contest", "/home/me/my.logs/contest"}, {"/a/b.c.log", "/a/b.c"},
           {R"(a\b.log)", R"(a\b)"}, {R"(my.logs\contest)", "my"}, {"C:x.log", "C:x"}, {"", ""}});
}

TEST(ContainingDirectory, FolderWithoutTrailingSeparatorExceptRoots)
{
    Check(Common::ContainingDirectory, PathStyle::Windows,
          {{R"(C:\Logs\contest.log)", R"(C:\Logs)"}, {R"(C:\contest.log)", R"(C:\)"}, {"contest.log", ""},
           {"", ""}, {R"(\\server\share\x.log)", R"(\\server\share)"}, {R"(\x.log)", R"(\)"},
           {"C:/x.log", "C:/"}, {"C:/Logs/x.log", "C:/Logs"}, {R"(C:\Logs\)", R"(C:\Logs)"},
           {R"(C:\A\B/x.log)", R"(C:\A\B)"}});
    Check(Common::ContainingDirectory, PathStyle::Posix,
          {{"/home/me/x.log", "/home/me"}, {"/x.log", "/"}, {"x.log", ""}, {R"(a\b.log)", ""},
           {R"(/home/a\b.log)", "/home"}, {"/home/me/", "/home/me"}});
}

TEST(FileName, WhatFollowsTheFolder)
{
    Check(Common::FileName, PathStyle::Windows,
          {{R"(C:\Logs\contest.log)", "contest.log"}, {"C:/Logs/x.log", "x.log"}, {"C:x.log", "x.log"},
           {R"(C:\Logs\)", ""}, {"contest.log", "contest.log"}});
    Check(Common::FileName, PathStyle::Posix,
          {{"/home/me/x.log", "x.log"}, {R"(a\b.log)", R"(a\b.log)"}, {"/", ""}, {"x", "x"}});
}
// clang-format on

TEST(PathHelpers, PathsBeyond32767Characters)
{
    const std::string folder = "/" + std::string(39990, 'd');
    const std::string path = folder + "/name.ext";
    for (const PathStyle style : {PathStyle::Windows, PathStyle::Posix}) {
        EXPECT_EQ(Common::StripExtension(path, style), folder + "/name");
        EXPECT_EQ(Common::ContainingDirectory(path, style), folder);
        EXPECT_EQ(Common::FileName(path, style), "name.ext");
    }
}

} // namespace
