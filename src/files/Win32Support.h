#pragma once

#include "common/WideText.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>
#include <windows.h>

// What the Win32 file code shares: the system's error numbers told as the C
// library's, which every failure of the program carries, and handles kept in
// the platform-neutral handle type.
namespace Conversion::Win32 {

inline int ErrnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    default:
        return EIO;
    }
}

inline std::error_code LastError()
{
    return {ErrnoOf(GetLastError()), std::generic_category()};
}

[[noreturn]] inline void ThrowLastError(const std::string& path)
{
    throw std::system_error(LastError(), path);
}

inline HANDLE Native(std::intptr_t native)
{
    return reinterpret_cast<HANDLE>(native);
}

inline std::intptr_t Stored(HANDLE handle)
{
    return reinterpret_cast<std::intptr_t>(handle);
}

} // namespace Conversion::Win32
