#include "common/ApplicationIdentity.h"

#include "common/NativePath.h"
#include "common/PathHelpers.h"
#include "common/ProgramError.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace Common {

namespace {

ApplicationIdentity& MutableIdentity()
{
    // The version is the project's, handed over by the build.
    static ApplicationIdentity identity = [] {
        ApplicationIdentity versioned;
        versioned.major = KESTREL_VERSION_MAJOR;
        versioned.minor = KESTREL_VERSION_MINOR;
        versioned.revision = KESTREL_VERSION_PATCH;
        return versioned;
    }();
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
    if (std::optional<std::string> path = SystemExecutablePath())
        return std::move(*path);
    std::error_code absoluteError;
    const std::filesystem::path absolute =
        std::filesystem::absolute(NativePath(fallback), absoluteError);
    return absoluteError ? fallback : PathText(absolute);
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
