#include "files/FileHandle.h"
#include "files/PosixSupport.h"
#include "files/SafetyRefusal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace Conversion {

using Posix::Descriptor;
using Posix::LastError;
using Posix::Retried;
using Posix::ThrowLastError;

std::error_code FileHandle::Write(const char* data, std::size_t size) noexcept
{
    while (size > 0) {
        const ssize_t written = write(Descriptor(native_), data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return {};
}

std::size_t FileHandle::Read(char* data, std::size_t size)
{
    for (;;) {
        const ssize_t read = ::read(Descriptor(native_), data, size);
        if (read >= 0)
            return static_cast<std::size_t>(read);
        if (errno != EINTR)
            throw std::system_error(LastError());
    }
}

void FileHandle::SeekTo(std::uint64_t offset)
{
    if (lseek(Descriptor(native_), static_cast<off_t>(offset), SEEK_SET) < 0)
        throw std::system_error(LastError());
}

std::error_code FileHandle::Sync() noexcept
{
    if (Retried([&] { return fsync(Descriptor(native_)); }) == 0 || errno == EINVAL)
        return {};
    return LastError();
}

std::error_code FileHandle::Close() noexcept
{
    if (!IsOpen())
        return {};
    // The descriptor is gone whatever close says; a failure is still worth telling.
    const int result = close(Descriptor(std::exchange(native_, kClosed)));
    return result == 0 || errno == EINTR ? std::error_code() : LastError();
}

FileHandle OpenForAppending(const std::string& path)
{
    const int fd =
        Retried([&] { return open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC); });
    if (fd < 0)
        ThrowLastError(path);
    FileHandle handle(fd);
    // Looked at once open, so that nothing can be swapped in after the look.
    struct stat opened;
    if (fstat(fd, &opened) != 0)
        ThrowLastError(path);
    if (S_ISBLK(opened.st_mode))
        throw std::system_error(SafetyRefusal::BlockDevice, path);
    return handle;
}

FileHandle OpenForReading(const std::string& path)
{
    const int fd = Retried([&] { return open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC); });
    if (fd < 0)
        ThrowLastError(path);
    return FileHandle(fd);
}

std::optional<FileVersion> FileHandle::Version() const
{
    struct stat status;
    if (fstat(Descriptor(native_), &status) != 0)
        throw std::system_error(LastError());
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    return FileVersion{
        static_cast<std::uint64_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
        static_cast<std::int64_t>(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec};
}

} // namespace Conversion
