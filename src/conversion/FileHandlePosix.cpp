#include "FileHandle.h"
#include "PosixSupport.h"

#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace Conversion {

using Posix::Descriptor;
using Posix::LastError;
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
    if (fsync(Descriptor(native_)) == 0 || errno == EINVAL)
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
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        ThrowLastError(path);
    return FileHandle(fd);
}

FileHandle OpenForReading(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        ThrowLastError(path);
    return FileHandle(fd);
}

} // namespace Conversion
