#include "common/PathHelpers.h"

#include "common/ProgramError.h"

namespace Common {

namespace {

bool IsSeparator(char c, PathStyle style)
{
    return c == '/' || (style == PathStyle::Windows && c == '\\');
}

// Position just past the folder part: the last separator, or on Windows the
// colon of a drive-relative path such as "C:name".
std::size_t FileNameStart(const std::string& path, PathStyle style)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1], style))
            return i;
    }
    if (style == PathStyle::Windows && path.size() >= 2 && path[1] == ':')
        return 2;
    return 0;
}

} // namespace

std::string FileName(const std::string& path, PathStyle style)
{
    return path.substr(FileNameStart(path, style));
}

std::string StripExtension(const std::string& path, PathStyle style) noexcept
{
    std::string result;
    try {
        result = path;
        const std::size_t nameStart = FileNameStart(path, style);
        const std::size_t dot = path.rfind('.');
        if (dot != std::string::npos && dot > nameStart)
            result.resize(dot);
    } catch (...) {
        const std::int16_t number = ErrorNumberOf(std::current_exception());
        try {
            ProgramError(number, "Common.StripExtension: " + path);
        } catch (...) {
            // Not even the location text could be built.
        }
    }
    return result;
}

std::string ContainingDirectory(const std::string& path, PathStyle style) noexcept
{
    std::string result;
    ReportFailures("Common.ContainingDirectory", [&] {
        for (std::size_t i = path.size(); i > 0; --i) {
            if (!IsSeparator(path[i - 1], style))
                continue;
            const std::size_t separator = i - 1;
            const bool isRoot =
                separator == 0 || (style == PathStyle::Windows && path[separator - 1] == ':');
            result = path.substr(0, isRoot ? separator + 1 : separator);
            return;
        }
    });
    return result;
}

} // namespace Common
