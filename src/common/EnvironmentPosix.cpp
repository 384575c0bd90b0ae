#include "common/SystemInfo.h"

#include <cstdlib>

namespace Common {

EnvironmentReader ProcessEnvironment()
{
    return [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (value == nullptr)
            return std::nullopt;
        return std::string(value);
    };
}

} // namespace Common
