#include "files/FileHandle.h"
#include "files/SafetyRefusal.h"
#include "files/Win32Support.h"

#include <algorithm>
#include <utility>

namespace Conversion {

using Win32::LastError;
using Win32::Native;

namespace {

// WriteFile and ReadFile take 32-bit counts.
constexpr std::size_t kLargestTransfer = 1u << 30;

// Shares reading, writing and deleting with everyone: a log or an output
// that another program holds open is still converted.
HANDLE OpenExisting(const std::string& path, DWORD access)
{
    const HANDLE handle = CreateFileW(Common::WideFromUtf8(path).c_str(), access,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        Win32::ThrowLastError(path);
    return handle;
}

std::int64_t Nanoseconds(const FILETIME& time)
{
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(ticks * 100);
}

} // namespace

std::error_code FileHandle::Write(const char* data, std::size_t size) noexcept
{
    while (size > 0) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min(size, kLargestTransfer));
        if (!WriteFile(Native(native_), data, chunk, &written, nullptr))
            return LastError();
        data += written;
        size -= written;
    }
    return {};
}

std::size_t FileHandle::Read(char* data, std::size_t size)
{
    DWORD read = 0;
    const auto chunk = static_cast<DWORD>(std::min(size, kLargestTransfer));
    if (!ReadFile(Native(native_), data, chunk, &read, nullptr)) {
        // The writing end of a pipe closed: the end of the input.
        if (GetLastError() == ERROR_BROKEN_PIPE)
            return 0;
        throw std::system_error(LastError());
    }
    return read;
}

void FileHandle::SeekTo(std::uint64_t offset)
{
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(Native(native_), position, nullptr, FILE_BEGIN))
        throw std::system_error(LastError());
}

// Windows has no call that appends one open file to another inside the system.
std::uint64_t FileHandle::CopyRestOf(FileHandle& source)
{
    return CopyThroughBuffer(source);
}

// The cache manager writes behind on its own.
void FileHandle::StartWriteBack() noexcept {}

std::error_code FileHandle::Sync() noexcept
{
    if (FlushFileBuffers(Native(native_)) || GetLastError() == ERROR_INVALID_HANDLE ||
        GetLastError() == ERROR_INVALID_FUNCTION)
        return {};
    return LastError();
}

std::error_code FileHandle::Close() noexcept
{
    if (!IsOpen())
        return {};
    return CloseHandle(Native(std::exchange(native_, kClosed))) ? std::error_code() : LastError();
}

FileHandle OpenForAppending(const std::string& path)
{
    const HANDLE handle = OpenExisting(path, FILE_APPEND_DATA | SYNCHRONIZE);
    // Only outputs that are not regular files come here: one that stores like
    // a file is a volume or a disk.
    if (GetFileType(handle) == FILE_TYPE_DISK) {
        CloseHandle(handle);
        throw std::system_error(SafetyRefusal::BlockDevice, path);
    }
    return FileHandle(Win32::Stored(handle));
}

FileHandle OpenForReading(const std::string& path)
{
    return FileHandle(Win32::Stored(OpenExisting(path, GENERIC_READ)));
}

std::optional<FileVersion> FileHandle::Version() const
{
    if (GetFileType(Native(native_)) != FILE_TYPE_DISK)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(Native(native_), &information))
        throw std::system_error(LastError());
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    FileVersion version;
    version.size =
        (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    version.modifiedNanoseconds = Nanoseconds(information.ftLastWriteTime);
    return version;
}

} // namespace Conversion
