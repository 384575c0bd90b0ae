#pragma once

#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>

// What the POSIX file code shares: errno as an error, and descriptors kept
// in the platform-neutral handle type.
namespace Conversion::Posix {

inline std::error_code LastError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

[[noreturn]] inline void ThrowLastError(const std::string& path)
{
    throw std::system_error(LastError(), path);
}

inline int Descriptor(std::intptr_t native)
{
    return static_cast<int>(native);
}

// Renames `from` to `to` inside `folder` unless `to` exists: 0, or the errno
// that stopped it (EEXIST for a name taken). Each system's way is in a file of
// its own.
int RenameWithoutReplacing(int folder, const char* from, const char* to);

// Whether the folder takes new names only, so that none can be removed or
// replaced (Linux's append-only attribute); false where that cannot be told.
bool IsAppendOnlyFolder(int folder);

// Makes the call again for as long as a signal interrupts it (EINTR): a
// handled signal is no reason to fail a conversion.
template <class Call> auto Retried(Call&& call)
{
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR)
            return result;
    }
}

} // namespace Conversion::Posix
