#pragma once

#include <string>

namespace Common {

// Full path of the error log; while it is empty every report is lost.
const std::string& ErrorLogPath();
void SetErrorLogPath(std::string path);

// Appends one report line to the error log. Never fails: a report that
// cannot be written is dropped.
void LogError(const std::string& message) noexcept;

} // namespace Common
