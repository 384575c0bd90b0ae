// Loaded with LD_PRELOAD into the command-line program by the fault-injection
// test: it counts the file calls the program makes and makes one of them fail,
// so that every failure a disk or a kernel can report is met at every moment.
//
//   KESTREL_FAULT_AT      the number of the call to fail, from 1; unset: none fails
//   KESTREL_FAULT_ERROR   EIO, ENOSPC, EINTR, or SHORT: half the bytes (read and
//                         write; other calls fail with EIO)
//   KESTREL_FAULT_REPORT  a file that receives at exit one line per call:
//                         "name descriptor", the failed one marked with " failed"
//   KESTREL_FAULT_CLONE   when set, FICLONE succeeds by copying, as Btrfs and XFS
//                         share blocks
//   KESTREL_FAULT_NO_RENAMEAT2  when set, renameat2 is unsupported (EINVAL), as
//                         on file systems without it
//
// Calls the C library makes from inside itself (stdio's own writes) do not
// come through here; the program's own calls do.

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

enum class Fault { None, Error, Short };

struct Call
{
    const char* name;
    int descriptor;
    bool failed;
};

constexpr int kMostCalls = 1 << 16;
Call calls[kMostCalls];
std::atomic<long> callCount{0};

long FailingCall()
{
    static const long at = [] {
        const char* text = std::getenv("KESTREL_FAULT_AT");
        return text != nullptr ? std::strtol(text, nullptr, 10) : 0L;
    }();
    return at;
}

int InjectedError()
{
    static const int error = [] {
        const char* text = std::getenv("KESTREL_FAULT_ERROR");
        if (text == nullptr)
            return EIO;
        if (std::strcmp(text, "ENOSPC") == 0)
            return ENOSPC;
        if (std::strcmp(text, "EINTR") == 0)
            return EINTR;
        if (std::strcmp(text, "SHORT") == 0)
            return 0;
        return EIO;
    }();
    return error;
}

bool IsSet(const char* variable)
{
    return std::getenv(variable) != nullptr;
}

// Counts the call and tells whether it is the one to fail, and how.
Fault Count(const char* name, int descriptor, bool canBeShort = false)
{
    const long number = ++callCount;
    const bool failing = number == FailingCall();
    if (number <= kMostCalls)
        calls[number - 1] = {name, descriptor, failing};
    if (!failing)
        return Fault::None;
    if (InjectedError() == 0) {
        if (canBeShort)
            return Fault::Short;
        errno = EIO;
        return Fault::Error;
    }
    errno = InjectedError();
    return Fault::Error;
}

template <class Function> Function Real(const char* name)
{
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): dlsym gives a void*.
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// The report, written as the program ends; stdio's own calls are not counted.
__attribute__((destructor)) void WriteReport()
{
    const char* path = std::getenv("KESTREL_FAULT_REPORT");
    if (path == nullptr)
        return;
    std::FILE* report = std::fopen(path, "w");
    if (report == nullptr)
        return;
    const long count = callCount.load() < kMostCalls ? callCount.load() : kMostCalls;
    for (long i = 0; i < count; ++i)
        (void)std::fprintf(report, "%s %d%s\n", calls[i].name, calls[i].descriptor,
                           calls[i].failed ? " failed" : "");
    (void)std::fclose(report);
}

mode_t ModeArgument(int flags, va_list arguments)
{
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE
               ? static_cast<mode_t>(va_arg(arguments, unsigned int))
               : 0;
}

// Shares the blocks the way FICLONE would, by copying them: the whole source
// becomes the whole target, and neither position moves.
int CopyAsClone(int target, int source)
{
    char block[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t read = pread(source, block, sizeof block, offset);
        if (read < 0)
            return -1;
        if (read == 0)
            break;
        if (pwrite(target, block, static_cast<std::size_t>(read), offset) != read)
            return -1;
        offset += read;
    }
    return ftruncate(target, offset);
}

} // namespace

// Each stands in for the C library function named in its label; named
// otherwise so as not to redeclare the library's own.
extern "C" {

int FaultOpen(const char* path, int flags, ...) __asm__("open");
int FaultOpen64(const char* path, int flags, ...) __asm__("open64");
int FaultOpenat(int folder, const char* path, int flags, ...) __asm__("openat");
int FaultOpenat64(int folder, const char* path, int flags, ...) __asm__("openat64");
int FaultIoctl(int fd, unsigned long request, ...) __asm__("ioctl");
ssize_t FaultRead(int fd, void* data, size_t size) __asm__("read");
ssize_t FaultWrite(int fd, const void* data, size_t size) __asm__("write");
int FaultClose(int fd) __asm__("close");
int FaultFsync(int fd) __asm__("fsync");
int FaultFdatasync(int fd) __asm__("fdatasync");
int FaultFchmod(int fd, mode_t mode) __asm__("fchmod");
int FaultFchown(int fd, uid_t owner, gid_t group) __asm__("fchown");
int FaultRenameat2(int fromFolder, const char* from, int toFolder, const char* to,
                   unsigned int flags) __asm__("renameat2");
int FaultRenameat(int fromFolder, const char* from, int toFolder,
                  const char* to) __asm__("renameat");
int FaultLinkat(int fromFolder, const char* from, int toFolder, const char* to,
                int flags) __asm__("linkat");
int FaultUnlinkat(int folder, const char* path, int flags) __asm__("unlinkat");
ssize_t FaultCopyFileRange(int from, off64_t* fromOffset, int to, off64_t* toOffset, size_t size,
                           unsigned int flags) __asm__("copy_file_range");
off_t FaultLseek(int fd, off_t offset, int whence) __asm__("lseek");
off64_t FaultLseek64(int fd, off64_t offset, int whence) __asm__("lseek64");
int FaultFlock(int fd, int operation) __asm__("flock");

// NOLINTBEGIN(cert-dcl50-cpp): the C library's own variadic signatures.
int FaultOpen(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeArgument(flags, arguments);
    va_end(arguments);
    if (Count("open", -1) != Fault::None)
        return -1;
    static const auto real = Real<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}

int FaultOpen64(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeArgument(flags, arguments);
    va_end(arguments);
    if (Count("open", -1) != Fault::None)
        return -1;
    static const auto real = Real<int (*)(const char*, int, ...)>("open64");
    return real(path, flags, mode);
}

int FaultOpenat(int folder, const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeArgument(flags, arguments);
    va_end(arguments);
    if (Count("openat", folder) != Fault::None)
        return -1;
    static const auto real = Real<int (*)(int, const char*, int, ...)>("openat");
    return real(folder, path, flags, mode);
}

int FaultOpenat64(int folder, const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeArgument(flags, arguments);
    va_end(arguments);
    if (Count("openat", folder) != Fault::None)
        return -1;
    static const auto real = Real<int (*)(int, const char*, int, ...)>("openat64");
    return real(folder, path, flags, mode);
}

int FaultIoctl(int fd, unsigned long request, ...)
{
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (Count("ioctl", fd) != Fault::None)
        return -1;
    if (request == FICLONE && IsSet("KESTREL_FAULT_CLONE"))
        return CopyAsClone(fd, static_cast<int>(reinterpret_cast<std::intptr_t>(argument)));
    static const auto real = Real<int (*)(int, unsigned long, ...)>("ioctl");
    return real(fd, request, argument);
}
// NOLINTEND(cert-dcl50-cpp)

ssize_t FaultRead(int fd, void* data, size_t size)
{
    static const auto real = Real<ssize_t (*)(int, void*, size_t)>("read");
    const Fault fault = Count("read", fd, true);
    if (fault == Fault::Error)
        return -1;
    return real(fd, data, fault == Fault::Short && size > 1 ? size / 2 : size);
}

ssize_t FaultWrite(int fd, const void* data, size_t size)
{
    static const auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    const Fault fault = Count("write", fd, true);
    if (fault == Fault::Error)
        return -1;
    return real(fd, data, fault == Fault::Short && size > 1 ? size / 2 : size);
}

int FaultClose(int fd)
{
    static const auto real = Real<int (*)(int)>("close");
    // The descriptor is gone whatever close reports, as on Linux.
    const Fault fault = Count("close", fd);
    const int saved = errno;
    const int result = real(fd);
    if (fault == Fault::None)
        return result;
    errno = saved;
    return -1;
}

int FaultFsync(int fd)
{
    static const auto real = Real<int (*)(int)>("fsync");
    return Count("fsync", fd) != Fault::None ? -1 : real(fd);
}

int FaultFdatasync(int fd)
{
    static const auto real = Real<int (*)(int)>("fdatasync");
    return Count("fdatasync", fd) != Fault::None ? -1 : real(fd);
}

int FaultFchmod(int fd, mode_t mode)
{
    static const auto real = Real<int (*)(int, mode_t)>("fchmod");
    return Count("fchmod", fd) != Fault::None ? -1 : real(fd, mode);
}

int FaultFchown(int fd, uid_t owner, gid_t group)
{
    static const auto real = Real<int (*)(int, uid_t, gid_t)>("fchown");
    return Count("fchown", fd) != Fault::None ? -1 : real(fd, owner, group);
}

int FaultRenameat2(int fromFolder, const char* from, int toFolder, const char* to,
                   unsigned int flags)
{
    static const auto real =
        Real<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2");
    if (Count("renameat2", fromFolder) != Fault::None)
        return -1;
    if (IsSet("KESTREL_FAULT_NO_RENAMEAT2")) {
        errno = EINVAL;
        return -1;
    }
    return real(fromFolder, from, toFolder, to, flags);
}

int FaultRenameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    static const auto real = Real<int (*)(int, const char*, int, const char*)>("renameat");
    return Count("renameat", fromFolder) != Fault::None ? -1 : real(fromFolder, from, toFolder, to);
}

int FaultLinkat(int fromFolder, const char* from, int toFolder, const char* to, int flags)
{
    static const auto real = Real<int (*)(int, const char*, int, const char*, int)>("linkat");
    return Count("linkat", fromFolder) != Fault::None ? -1
                                                      : real(fromFolder, from, toFolder, to, flags);
}

int FaultUnlinkat(int folder, const char* path, int flags)
{
    static const auto real = Real<int (*)(int, const char*, int)>("unlinkat");
    return Count("unlinkat", folder) != Fault::None ? -1 : real(folder, path, flags);
}

ssize_t FaultCopyFileRange(int from, off64_t* fromOffset, int to, off64_t* toOffset, size_t size,
                           unsigned int flags)
{
    static const auto real =
        Real<ssize_t (*)(int, off64_t*, int, off64_t*, size_t, unsigned int)>("copy_file_range");
    return Count("copy_file_range", to) != Fault::None
               ? -1
               : real(from, fromOffset, to, toOffset, size, flags);
}

off_t FaultLseek(int fd, off_t offset, int whence)
{
    static const auto real = Real<off_t (*)(int, off_t, int)>("lseek");
    return Count("lseek", fd) != Fault::None ? -1 : real(fd, offset, whence);
}

off64_t FaultLseek64(int fd, off64_t offset, int whence)
{
    static const auto real = Real<off64_t (*)(int, off64_t, int)>("lseek64");
    return Count("lseek", fd) != Fault::None ? -1 : real(fd, offset, whence);
}

int FaultFlock(int fd, int operation)
{
    static const auto real = Real<int (*)(int, int)>("flock");
    return Count("flock", fd) != Fault::None ? -1 : real(fd, operation);
}

} // extern "C"
