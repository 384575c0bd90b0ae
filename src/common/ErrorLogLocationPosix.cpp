#include "common/ApplicationIdentity.h"
#include "common/ErrorLog.h"
#include "common/ProgramError.h"

#include <filesystem>
#include <optional>
#include <pwd.h>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace Common {

namespace {

std::optional<std::string> HomeFromUserDatabase()
{
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr || *found->pw_dir == '\0')
        return std::nullopt;
    return std::string(found->pw_dir);
}

} // namespace

std::string ErrorLogPathFromEnvironment(const EnvironmentReader& environment)
{
    std::filesystem::path folder;
    const std::optional<std::string> stateHome = environment("XDG_STATE_HOME");
    if (stateHome && std::filesystem::path(*stateHome).is_absolute()) {
        folder = *stateHome;
    } else {
        const std::optional<std::string> home = environment("HOME");
        if (!home || home->empty())
            return {};
        folder = std::filesystem::path(*home) / ".local" / "state";
    }
    return (folder / Identity().productName / kErrorLogFileName).string();
}

std::string DefaultErrorLogPath() noexcept
{
    std::string result;
    ReportFailures("Common.DefaultErrorLogPath", [&] {
        // Without HOME the user database still knows the home folder.
        const EnvironmentReader process = ProcessEnvironment();
        result = ErrorLogPathFromEnvironment([&](const char* name) {
            std::optional<std::string> value = process(name);
            if (std::string_view(name) == "HOME" && (!value || value->empty()))
                value = HomeFromUserDatabase();
            return value;
        });
    });
    return result;
}

} // namespace Common
