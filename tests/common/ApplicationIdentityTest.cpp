#include "common/ApplicationIdentity.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationIdentity, VersionText)
{
    EXPECT_EQ(Common::Version(), "1.0.0");
}

TEST(ApplicationIdentity, FolderAndNameOfTheExecutable)
{
    const char* const cases[][3] = {
#ifdef _WIN32
        {R"(C:\Program Files\KestrelToADIF\KestrelToADIF.exe)", R"(C:\Program Files\KestrelToADIF)",
         "KestrelToADIF"},
        {R"(C:\KestrelToADIF.exe)", R"(C:\)", "KestrelToADIF"},
#else
        {"/opt/kestrel/bin/kestrel-to-adif", "/opt/kestrel/bin", "kestrel-to-adif"},
        {"/kestrel", "/", "kestrel"},
#endif
    };
    for (const auto& [executable, directory, name] : cases) {
        SCOPED_TRACE(executable);
        Common::IdentifyRunningProgram(executable);
        EXPECT_EQ(Common::Identity().programDirectory, directory);
        EXPECT_EQ(Common::Identity().executableName, name);
    }
}

} // namespace
