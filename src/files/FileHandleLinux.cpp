// What Linux offers beyond POSIX for copying and writing back files.

#include "files/FileHandle.h"
#include "files/PosixSupport.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <unistd.h>

namespace Conversion {

using Posix::Descriptor;
using Posix::LastError;

namespace {

// Errors that mean "not here" (another file system, an old kernel, a file
// system without the call), after which a plain copy is the answer.
bool MeansUnsupported(int error)
{
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// Shares the source's blocks when both files are on a file system that can
// (Btrfs, XFS): no data is copied at all. Only into an empty file from the
// start of the source, as the clone replaces the whole content.
// Returns the size cloned, or nothing when it could not.
std::optional<std::uint64_t> Clone(int target, int source)
{
    if (lseek(target, 0, SEEK_CUR) != 0 || lseek(source, 0, SEEK_CUR) != 0 ||
        ioctl(target, FICLONE, source) != 0)
        return std::nullopt;
    // The target holds the whole source now: copying again after a failure
    // here would hold it twice. A source that changed meanwhile is found at
    // the commit, like any change to the existing file.
    const off_t size = lseek(target, 0, SEEK_END);
    if (size < 0 || lseek(source, size, SEEK_SET) != size)
        throw std::system_error(LastError());
    return static_cast<std::uint64_t>(size);
}

} // namespace

std::uint64_t FileHandle::CopyRestOf(FileHandle& source)
{
    const int target = Descriptor(native_);
    const int from = Descriptor(source.native_);
    if (const std::optional<std::uint64_t> cloned = Clone(target, from))
        return *cloned;
    // The kernel copies page by page, never through this process.
    constexpr std::size_t kMostAtOnce = 1u << 30;
    std::uint64_t total = 0;
    for (;;) {
        const ssize_t copied = copy_file_range(from, nullptr, target, nullptr, kMostAtOnce, 0);
        if (copied > 0) {
            total += static_cast<std::uint64_t>(copied);
            continue;
        }
        if (copied == 0)
            return total;
        if (errno == EINTR)
            continue;
        if (total == 0 && MeansUnsupported(errno))
            return CopyThroughBuffer(source);
        throw std::system_error(LastError());
    }
}

void FileHandle::StartWriteBack() noexcept
{
    // Whole file, nothing waited for; pages already on their way are skipped.
    sync_file_range(Descriptor(native_), 0, 0, SYNC_FILE_RANGE_WRITE);
}

} // namespace Conversion
