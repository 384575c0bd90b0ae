#include "common/SystemInfo.h"

#include <windows.h>

namespace Common {

OperatingSystemValues ReadOperatingSystem()
{
    // GetVersionEx reports the version the program was manifested for; RtlGetVersion the real one.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const FARPROC procedure = ntdll ? GetProcAddress(ntdll, "RtlGetVersion") : nullptr;
    // By way of void (*)(), which GCC takes between function types without a warning.
    bool known = procedure != nullptr && reinterpret_cast<RtlGetVersionFunction>(
                                             reinterpret_cast<void (*)()>(procedure))(&info) == 0;
    if (!known) {
        OSVERSIONINFOA fallback{};
        fallback.dwOSVersionInfoSize = sizeof fallback;
        known = GetVersionExA(&fallback) != 0;
        info.dwMajorVersion = fallback.dwMajorVersion;
        info.dwMinorVersion = fallback.dwMinorVersion;
        info.dwBuildNumber = fallback.dwBuildNumber;
    }
    if (!known)
        return {};
    return {"Windows " + std::to_string(info.dwMajorVersion) + "." +
                std::to_string(info.dwMinorVersion),
            static_cast<std::int32_t>(info.dwBuildNumber & 0x7FFFFFFF)};
}

} // namespace Common
