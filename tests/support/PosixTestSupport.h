#pragma once

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Processes and pipes for the tests that hold a conversion half-way: a log
// that is a FIFO keeps the conversion waiting until the test writes to it.
namespace TestSupport {

inline constexpr auto kPatience = std::chrono::seconds(20);

// Polls `condition` until it holds or patience runs out.
inline bool WaitUntil(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

inline void MakeFifo(const std::string& path)
{
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0) << path;
}

// Opens the FIFO for writing once its reader has opened it, which tells that
// the conversion got that far; -1 when no reader came.
inline int OpenFifoWhenRead(const std::string& path)
{
    int fd = -1;
    WaitUntil([&] {
        fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        return fd >= 0 || errno != ENXIO;
    });
    if (fd >= 0)
        fcntl(fd, F_SETFL, 0);
    return fd;
}

// Writes `bytes` to the FIFO's reader and ends its input.
inline void FeedFifo(int fd, const std::string& bytes)
{
    ASSERT_GE(fd, 0) << "the conversion never opened its log";
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fd);
}

// Starts `program` with standard output and error sent to files; `inChild`
// runs in the child before the program.
inline pid_t StartProgram(const std::vector<std::string>& arguments, const std::string& outPath,
                          const std::string& errPath, const std::function<void()>& inChild = {})
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    const auto redirect = [](const std::string& path, int stream) {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, stream);
        close(fd);
    };
    redirect(outPath, STDOUT_FILENO);
    redirect(errPath, STDERR_FILENO);
    if (inChild)
        inChild();
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

// The child's wait status.
inline int Finish(pid_t child)
{
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    return status;
}

inline int ExitCode(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs `body` in a child process and tells whether it returned true; for
// what needs a process of its own (other limits, another user).
inline bool InChildProcess(const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body() ? 0 : 1);
    return ExitCode(Finish(child)) == 0;
}

} // namespace TestSupport
