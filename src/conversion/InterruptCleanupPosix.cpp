#include "InterruptCleanup.h"

#include <csignal>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace Conversion {

namespace {

// Read by the signal handler, so plain storage and an atomic flag only.
char pendingPath[8192];
volatile std::sig_atomic_t pathIsPending = 0;

extern "C" void RemovePendingFileAndStop(int signalNumber)
{
    if (pathIsPending != 0)
        unlink(pendingPath);
    // Ends the program the way the signal would have.
    (void)signal(signalNumber, SIG_DFL);
    (void)raise(signalNumber);
}

// Ctrl-C, kill, a closed terminal, Ctrl-\ and a reader that went away.
constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

} // namespace

void RemoveTemporaryFileOnInterrupt()
{
    for (const int signalNumber : kInterrupts) {
        struct sigaction previous = {};
        if (sigaction(signalNumber, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action = {};
        action.sa_handler = RemovePendingFileAndStop;
        sigemptyset(&action.sa_mask);
        sigaction(signalNumber, &action, nullptr);
    }
    // A file-size limit then fails the write (EFBIG), which the conversion
    // reports and cleans up after like any other.
    (void)signal(SIGXFSZ, SIG_IGN);
}

void SetPendingTemporaryFile(const std::string& path) noexcept
{
    pathIsPending = 0;
    // A path too long to remember is only left behind after an interrupt; the
    // next conversion of the file removes it.
    if (path.empty() || path.size() >= sizeof pendingPath)
        return;
    std::memcpy(pendingPath, path.c_str(), path.size() + 1);
    pathIsPending = 1;
}

void WithInterruptsDeferred(const std::function<void()>& work)
{
    sigset_t interrupts;
    sigemptyset(&interrupts);
    for (const int signalNumber : kInterrupts)
        sigaddset(&interrupts, signalNumber);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &interrupts, &previous);
    // Delivered as the mask is restored, whether the work succeeded or not.
    struct Restore
    {
        const sigset_t& mask;
        ~Restore() { pthread_sigmask(SIG_SETMASK, &mask, nullptr); }
    } restore{previous};
    work();
}

} // namespace Conversion
