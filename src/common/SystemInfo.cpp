#include "common/SystemInfo.h"

#include "common/Latin1Text.h"
#include "common/ProgramError.h"

#include <charconv>

namespace Common {

namespace {

OperatingSystemValues& OperatingSystem()
{
    static OperatingSystemValues values;
    return values;
}

// The value of an os-release assignment as a shell would read it: double quotes allow
// backslash escapes, single quotes none, and an unquoted value may escape single characters.
std::string UnquoteShellValue(std::string_view value)
{
    std::string result;
    char quote = '\0';
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quote == '\0' && (c == '"' || c == '\'')) {
            quote = c;
        } else if (c == quote) {
            quote = '\0';
        } else if (c == '\\' && quote != '\'' && i + 1 < value.size()) {
            result += value[++i];
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

std::string GetOSName() noexcept
{
    std::string result;
    ReportFailures("Common.GetOSName", [&] { result = OperatingSystem().name; });
    return result;
}

std::int32_t GetOSBuild() noexcept
{
    std::int32_t result = 0;
    ReportFailures("Common.GetOSBuild", [&] { result = OperatingSystem().build; });
    return result;
}

void FillOperatingSystemValues() noexcept
{
    ReportFailures("Common.FillOperatingSystemValues",
                   [] { OperatingSystem() = ReadOperatingSystem(); });
}

void SetOperatingSystemValues(std::string name, std::int32_t build)
{
    OperatingSystem() = {std::move(name), build};
}

std::string PrettyNameFromOsRelease(std::string_view osRelease)
{
    constexpr std::string_view key = "PRETTY_NAME=";
    std::string result;
    while (!osRelease.empty()) {
        const std::size_t end = osRelease.find('\n');
        std::string_view line = osRelease.substr(0, end);
        osRelease.remove_prefix(end == std::string_view::npos ? osRelease.size() : end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        // A later assignment overrides an earlier one, as when the file is sourced.
        if (line.starts_with(key))
            result = Latin1FromUtf8(UnquoteShellValue(line.substr(key.size())));
    }
    return result;
}

std::string ComposeOSName(std::string_view prettyName, std::string_view kernelName,
                          std::string_view kernelRelease)
{
    std::string kernel(kernelName);
    if (!kernel.empty() && !kernelRelease.empty())
        kernel += ' ';
    kernel += kernelRelease;
    std::string result(prettyName);
    if (!result.empty() && !kernel.empty())
        result += ", ";
    return result + kernel;
}

std::int32_t KernelBuildNumber(std::string_view kernelVersion)
{
    if (!kernelVersion.starts_with('#'))
        return 0;
    const char* first = kernelVersion.data() + 1;
    const char* last = kernelVersion.data() + kernelVersion.size();
    std::int32_t build = 0;
    // from_chars would take a minus sign; a build count has none.
    if (first == last || *first == '-' || std::from_chars(first, last, build).ec != std::errc{})
        return 0;
    return build;
}

} // namespace Common
