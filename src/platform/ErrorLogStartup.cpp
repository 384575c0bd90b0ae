#include "platform/ErrorLogStartup.h"

#include "common/ApplicationIdentity.h"
#include "common/ErrorLog.h"
#include "common/LocaleInfo.h"
#include "common/ProgramError.h"
#include "common/SystemInfo.h"
#include "common/UTC.h"
#include "platform/SystemLocaleQueries.h"

#include <memory>
#include <string>

namespace Platform {

void StartErrorLogging(const char* argv0) noexcept
{
    // The path first: a report with nowhere to go would use up the run's header.
    Common::ReportFailures("Platform.StartErrorLogging",
                           [] { Common::SetErrorLogPath(Common::DefaultErrorLogPath()); });
    Common::SetStartTime(UTC::CurrentTime());
    Common::ReportFailures("Platform.StartErrorLogging", [&] {
        Common::IdentifyRunningProgram(
            Common::RunningExecutablePath(argv0 != nullptr ? argv0 : ""));
    });
    Common::FillOperatingSystemValues();
    Common::ReportFailures("Platform.StartErrorLogging",
                           [] { LocaleInfo::SetLocaleQueries(SystemLocaleQueries()); });
}

} // namespace Platform
