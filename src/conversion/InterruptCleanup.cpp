#include "InterruptCleanup.h"

#include <csignal>
#include <cstdio>
#include <cstring>

namespace Conversion {

namespace {

// Read by the signal handler, so plain storage and an atomic flag only.
char pendingPath[8192];
volatile std::sig_atomic_t pathIsPending = 0;

extern "C" void RemovePendingFileAndStop(int signalNumber)
{
    if (pathIsPending != 0)
        std::remove(pendingPath);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

} // namespace

void RemoveTemporaryFileOnInterrupt()
{
    for (const int signalNumber : {
             SIGINT,
             SIGTERM,
#ifdef SIGHUP
             SIGHUP,
#endif
#ifdef SIGBREAK
             SIGBREAK,
#endif
         }) {
        if (std::signal(signalNumber, RemovePendingFileAndStop) == SIG_IGN)
            std::signal(signalNumber, SIG_IGN);
    }
}

void SetPendingTemporaryFile(const std::string& path) noexcept
{
    pathIsPending = 0;
    // A path too long to remember is only left behind after an interrupt.
    if (path.empty() || path.size() >= sizeof pendingPath)
        return;
    std::memcpy(pendingPath, path.c_str(), path.size() + 1);
    pathIsPending = 1;
}

} // namespace Conversion
