#include "common/ApplicationIdentity.h"

#include <filesystem>
#include <system_error>

namespace Common {

std::optional<std::string> SystemExecutablePath()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::nullopt;
    return self.string();
}

} // namespace Common
