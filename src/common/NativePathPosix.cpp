#include "common/NativePath.h"

namespace Common {

// File names are bytes: whatever they hold passes through unchanged.
std::filesystem::path NativePath(const std::string& text)
{
    return text;
}

std::string PathText(const std::filesystem::path& path)
{
    return path.string();
}

} // namespace Common
