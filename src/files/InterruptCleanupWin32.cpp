#include "common/WideText.h"
#include "files/InterruptCleanup.h"

#include <cwchar>
#include <windows.h>

namespace Conversion {

namespace {

// Read by the console's handler thread, so plain storage and an atomic flag;
// the handler waits while a temporary file is being created and registered.
wchar_t pendingPath[32768];
volatile LONG pathIsPending = 0;
SRWLOCK creating = SRWLOCK_INIT;

// Ctrl+C, Ctrl+Break, a closed console window, a logoff or a shutdown. The
// temporary file is open with its deletion shared, so it goes as the process
// ends; returning FALSE lets the system end the program as it would have.
BOOL WINAPI RemovePendingFile(DWORD)
{
    AcquireSRWLockShared(&creating);
    if (InterlockedCompareExchange(&pathIsPending, 0, 0) != 0)
        DeleteFileW(pendingPath);
    ReleaseSRWLockShared(&creating);
    return FALSE;
}

} // namespace

void RemoveTemporaryFileOnInterrupt()
{
    SetConsoleCtrlHandler(RemovePendingFile, TRUE);
}

void SetPendingTemporaryFile(const std::string& path) noexcept
{
    InterlockedExchange(&pathIsPending, 0);
    if (path.empty())
        return;
    try {
        const std::wstring wide = Common::WideFromUtf8(path);
        // A path too long to remember is only left behind after an interrupt;
        // the next conversion of the file removes it.
        if (wide.size() >= sizeof pendingPath / sizeof pendingPath[0])
            return;
        std::wmemcpy(pendingPath, wide.c_str(), wide.size() + 1);
        InterlockedExchange(&pathIsPending, 1);
    } catch (...) {
    }
}

void WithInterruptsDeferred(const std::function<void()>& work)
{
    AcquireSRWLockExclusive(&creating);
    struct Release
    {
        ~Release() { ReleaseSRWLockExclusive(&creating); }
    } release;
    work();
}

} // namespace Conversion
