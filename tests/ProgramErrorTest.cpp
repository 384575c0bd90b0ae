#include "ProgramError.h"

#include "ApplicationIdentity.h"
#include "ErrorNumbers.h"
#include "TestSupport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <ios>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

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

TEST(ProgramError, AppendsOneComposedLinePerReport)
{
    const TestSupport::TempErrorLog log;
    Common::ProgramError(EACCES, "KestrelConversion.AppendField");
    Common::ProgramError(ENOENT, "Common.StripExtension: x");
    const std::string contents = log.Contents();
    EXPECT_TRUE(TestSupport::HasReport(contents, EACCES, "KestrelConversion.AppendField"));
    const std::string second = "program error 2 in module Common.StripExtension: x: " +
                               std::string(std::strerror(ENOENT)) + "\r\n";
    // The later report comes last.
    EXPECT_TRUE(contents.ends_with(second)) << contents;
}

TEST(ErrorNumberOf, MapsFailuresToErrnoNumbers)
{
    using std::make_exception_ptr;
    const std::error_code noSuchFile = std::make_error_code(std::errc::no_such_file_or_directory);
    struct Case
    {
        const char* failure;
        std::exception_ptr exception;
        int number;
    };
    const Case cases[] = {
        {"system_error ENOSPC",
         make_exception_ptr(std::system_error(ENOSPC, std::generic_category())), ENOSPC},
        {"system_error 0", make_exception_ptr(std::system_error(0, std::generic_category())), EIO},
        {"ios_base::failure", make_exception_ptr(std::ios_base::failure("stream")), EIO},
        {"filesystem_error ENOENT",
         make_exception_ptr(std::filesystem::filesystem_error("open", "x.log", noSuchFile)),
         ENOENT},
        {"bad_alloc", make_exception_ptr(std::bad_alloc()), ENOMEM},
        {"overflow_error", make_exception_ptr(std::overflow_error("x")), EOVERFLOW},
        {"out_of_range", make_exception_ptr(std::out_of_range("x")), ERANGE},
        {"length_error", make_exception_ptr(std::length_error("x")), ERANGE},
        {"invalid_argument", make_exception_ptr(std::invalid_argument("x")), EINVAL},
        {"domain_error", make_exception_ptr(std::domain_error("x")), EINVAL},
        {"runtime_error", make_exception_ptr(std::runtime_error("x")), ENOTRECOVERABLE},
        {"int", make_exception_ptr(42), ENOTRECOVERABLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failure);
        // Compared as int: a number that a 16-bit result cannot hold never matches.
        EXPECT_EQ(static_cast<int>(Common::ErrorNumberOf(c.exception)), c.number);
    }
}

} // namespace
