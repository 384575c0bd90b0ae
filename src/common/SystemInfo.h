#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Common {

// The operating system the program runs on, as the error log's header names it:
//
//   Linux    OSName   the distribution's PRETTY_NAME from os-release, then the kernel's
//                     name and release: "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-18-amd64"
//            OSBuild  the kernel's build count, the number after the "#" that starts
//                     uname's version ("#1 SMP PREEMPT_DYNAMIC ..." gives 1); 0 without one
//   Windows  OSName   "Windows major.minor" as the kernel reports it ("Windows 10.0", which
//                     Windows 11 reports too)
//            OSBuild  the build number (19045, 22631, ...)
//
// Both stay the empty text and 0 until FillOperatingSystemValues has run.
std::string GetOSName() noexcept;
std::int32_t GetOSBuild() noexcept;

// Reads both values from the running system; called once at start-up.
void FillOperatingSystemValues() noexcept;

struct OperatingSystemValues
{
    std::string name;
    std::int32_t build = 0;
};

// The running system's values, read as the table above says.
OperatingSystemValues ReadOperatingSystem();

// Sets both values as given, for a system the reading above does not know, and for tests.
void SetOperatingSystemValues(std::string name, std::int32_t build);

// The PRETTY_NAME of an os-release file's text, unquoted and unescaped, as Latin-1 text
// (characters Latin-1 cannot hold become '?'); the empty text when the file has none.
std::string PrettyNameFromOsRelease(std::string_view osRelease);

// "prettyName, kernelName kernelRelease", leaving out the parts that are empty.
std::string ComposeOSName(std::string_view prettyName, std::string_view kernelName,
                          std::string_view kernelRelease);

// The number after the "#" that starts a kernel version text; 0 when the text does not start
// with one, or when it does not fit a signed 32-bit value.
std::int32_t KernelBuildNumber(std::string_view kernelVersion);

// An environment variable's value, nothing when it is not set.
using EnvironmentReader = std::function<std::optional<std::string>(const char* name)>;

// Reads the environment of this process.
EnvironmentReader ProcessEnvironment();

} // namespace Common
