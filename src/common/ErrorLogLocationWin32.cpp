#include "common/ApplicationIdentity.h"
#include "common/ErrorLog.h"
#include "common/NativePath.h"
#include "common/ProgramError.h"

#include <optional>

namespace Common {

std::string ErrorLogPathFromEnvironment(const EnvironmentReader& environment)
{
    const std::optional<std::string> localAppData = environment("LOCALAPPDATA");
    if (!localAppData || localAppData->empty())
        return {};
    return PathText(NativePath(*localAppData) / NativePath(Identity().productName) /
                    kErrorLogFileName);
}

std::string DefaultErrorLogPath() noexcept
{
    std::string result;
    ReportFailures("Common.DefaultErrorLogPath",
                   [&] { result = ErrorLogPathFromEnvironment(ProcessEnvironment()); });
    return result;
}

} // namespace Common
