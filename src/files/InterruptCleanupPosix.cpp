#include "files/InterruptCleanup.h"

#include <csignal>
#include <cstring>
#include <pthread.h>
#include <unistd.h>
#include <vector>

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

// Every signal that ends the program unless handled: Ctrl-C, kill, a closed
// terminal, Ctrl-\, a reader that went away, timers (timeout -s ALRM), CPU
// limits, the user's own signals, abort and the real-time signals.
std::vector<int> FatalSignals()
{
    std::vector<int> signals = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGPIPE,  SIGALRM,
                                SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF,  SIGPOLL,
                                SIGSYS,  SIGTRAP, SIGABRT, SIGPWR,    SIGSTKFLT};
    for (int realTime = SIGRTMIN; realTime <= SIGRTMAX; ++realTime)
        signals.push_back(realTime);
    return signals;
}

// Faults of the program itself: the file goes too, but they cannot be held
// back while it is created.
constexpr int kFaults[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};

} // namespace

void RemoveTemporaryFileOnInterrupt()
{
    std::vector<int> handled = FatalSignals();
    handled.insert(handled.end(), std::begin(kFaults), std::end(kFaults));
    for (const int signalNumber : handled) {
        // Only where the signal would end the program: one the program was
        // told to ignore stays ignored, and a handler already there (a
        // sanitizer's) stays in charge.
        struct sigaction previous = {};
        if (sigaction(signalNumber, nullptr, &previous) != 0 || previous.sa_handler != SIG_DFL)
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
    for (const int signalNumber : FatalSignals())
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
