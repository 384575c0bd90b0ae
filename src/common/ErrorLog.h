#pragma once

#include "common/SystemInfo.h"

#include <string>

namespace Common {

// The error log's file name, in the folder DefaultErrorLogPath picks.
inline constexpr char kErrorLogFileName[] = "ErrorLog.txt";

// Full path of the error log; while it is empty every report is lost.
const std::string& ErrorLogPath();
void SetErrorLogPath(std::string path);

// When the run began (a date-time value), stamped on the header lines; 0 until set.
double StartTime();
void SetStartTime(double value);

// "ErrorLog.txt" in the user's state folder for this program:
//   Linux    $XDG_STATE_HOME/KestrelToADIF/ErrorLog.txt, where an unset, empty or relative
//            XDG_STATE_HOME means ~/.local/state
//   Windows  %LOCALAPPDATA%\KestrelToADIF\ErrorLog.txt
// The empty text when the system names no such folder. The folder is made by LogError when
// the first report arrives, not here.
std::string DefaultErrorLogPath() noexcept;

// The rule above over the given environment alone.
std::string ErrorLogPathFromEnvironment(const EnvironmentReader& environment);

// Whether this run's header block has been attempted.
bool LogHeaderWritten();

// Begins a new run as far as the error log is concerned: the run before it ends with the
// count of the reports it left out, if any, and the next report writes the header block again.
void ResetErrorLogForNewRun();

// Appends one report line, stamped with the current time, to the error log; the first report
// of a run is preceded by a header block describing the program and the machine. Never fails:
// a report that cannot be written is dropped. A report that arrives while one is being
// written (from a failing query of the header) follows it as a plain line instead.
// A run writes its first 100 reports only; how many more there were is written as one more
// line when the run ends, at the program's exit (a program killed first leaves it out).
void LogError(const std::string& message) noexcept;

} // namespace Common
