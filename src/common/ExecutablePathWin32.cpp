#include "common/ApplicationIdentity.h"
#include "common/WideText.h"

#include <windows.h>

namespace Common {

std::optional<std::string> SystemExecutablePath()
{
    // Long paths have room to the system's limit of 32767 characters.
    std::wstring buffer(32768, L'\0');
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return std::nullopt;
    buffer.resize(length);
    return Utf8FromWide(buffer);
}

} // namespace Common
