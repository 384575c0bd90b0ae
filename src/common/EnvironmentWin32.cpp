#include "common/SystemInfo.h"
#include "common/WideText.h"

#include <cstdlib>

namespace Common {

// The wide environment, so that a folder named in any language arrives whole.
EnvironmentReader ProcessEnvironment()
{
    return [](const char* name) -> std::optional<std::string> {
        const wchar_t* value = _wgetenv(WideFromUtf8(name).c_str());
        if (value == nullptr)
            return std::nullopt;
        return Utf8FromWide(value);
    };
}

} // namespace Common
