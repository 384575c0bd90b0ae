#pragma once

namespace Platform {

// Readies the error log for this run; the first call of both programs' main. It stamps
// StartTime with the current time, points the error log at the user's state folder, learns
// the program's folder and name (from the system, else from `argv0`), reads the
// operating-system values and installs the ICU locale queries. Never fails.
void StartErrorLogging(const char* argv0) noexcept;

} // namespace Platform
