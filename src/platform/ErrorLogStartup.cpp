#include "ErrorLogStartup.h"

#include "ApplicationIdentity.h"
#include "ErrorLog.h"
#include "LocaleInfo.h"
#include "ProgramError.h"
#include "SystemInfo.h"
#include "SystemLocaleQueries.h"
#include "UTC.h"

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
