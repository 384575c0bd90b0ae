#include "ErrorLog.h"

#include <fstream>

namespace Common {

namespace {
std::string errorLogPath;
}

const std::string& ErrorLogPath()
{
    return errorLogPath;
}

void SetErrorLogPath(std::string path)
{
    errorLogPath = std::move(path);
}

void LogError(const std::string& message) noexcept
{
    try {
        std::ofstream log(errorLogPath, std::ios::binary | std::ios::app);
        log << message << "\r\n";
    } catch (...) {
    }
}

} // namespace Common
