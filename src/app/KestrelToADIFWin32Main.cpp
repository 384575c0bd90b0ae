// The window program on Windows: one window, one button, nothing else to start.
#include "common/ProgramError.h"
#include "common/WideText.h"
#include "files/InterruptCleanup.h"
#include "platform/ErrorLogStartup.h"
#include "win32/KestrelConversionWindow.h"
#include "win32/RegistrySettingsStore.h"
#include "win32/Win32FileSelector.h"
#include "win32/Win32MessageBoxes.h"

#include <commctrl.h>
#include <string>
#include <windows.h>

namespace {

// The executable's path as the system has it, however long; empty on failure.
std::string ExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return Common::Utf8FromWide(path);
        }
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCmd)
{
    // First, so that the first failure already finds the error log ready.
    const std::string executable = ExecutablePath();
    Platform::StartErrorLogging(executable.empty() ? nullptr : executable.c_str());
    Conversion::RemoveTemporaryFileOnInterrupt();

    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    int exitCode = 1;
    Common::ReportFailures("KestrelToADIF.wWinMain", [&] {
        Win32::Win32FileSelector fileSelector;
        Win32::Win32MessageBoxes messages;
        Win32::RegistrySettingsStore settings;
        Win32::KestrelConversion window(fileSelector, messages, settings, instance);
        fileSelector.SetOwner(window.Handle());
        messages.SetOwner(window.Handle());
        exitCode = window.Run(showCmd);
    });
    return exitCode;
}
