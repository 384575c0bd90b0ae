#include "ApplicationIdentity.h"

#include "PathHelpers.h"
#include "ProgramError.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace Common {

namespace {

ApplicationIdentity& MutableIdentity()
{
    static ApplicationIdentity identity;
    return identity;
}

} // namespace

const ApplicationIdentity& Identity()
{
    return MutableIdentity();
}

void IdentifyRunningProgram(const std::string& executablePath)
{
    ApplicationIdentity& identity = MutableIdentity();
    identity.programDirectory = ContainingDirectory(executablePath);
    identity.executableName = StripExtension(FileName(executablePath));
}

std::string RunningExecutablePath(const std::string& fallback)
{
#ifdef _WIN32
    char buffer[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer)
        return std::string(buffer, length);
#else
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.string();
#endif
    std::error_code absoluteError;
    const std::filesystem::path absolute = std::filesystem::absolute(fallback, absoluteError);
    return absoluteError ? fallback : absolute.string();
}

std::string Version() noexcept
{
    std::string result;
    ReportFailures("Common.Version", [&] {
        const ApplicationIdentity& identity = Identity();
        result = std::to_string(identity.major) + "." + std::to_string(identity.minor) + "." +
                 std::to_string(identity.revision);
    });
    return result;
}

} // namespace Common
