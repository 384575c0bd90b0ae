#include "files/PosixSupport.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Conversion::Posix {

// Atomically where the file system can, else by a hard link that fails on an
// existing name, else, where there are no hard links (FAT), by a look first.
int RenameWithoutReplacing(int folder, const char* from, const char* to)
{
    if (Retried([&] { return renameat2(folder, from, folder, to, RENAME_NOREPLACE); }) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP && errno != EOPNOTSUPP)
        return errno;
    if (Retried([&] { return linkat(folder, from, folder, to, 0); }) == 0) {
        if (Retried([&] { return unlinkat(folder, from, 0); }) == 0)
            return 0;
        // Two names for the new file are no rename: the new name goes again,
        // and the caller removes the temporary one as after any failure.
        const int error = errno;
        (void)Retried([&] { return unlinkat(folder, to, 0); });
        return error;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    struct stat existing;
    if (fstatat(folder, to, &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return Retried([&] { return renameat(folder, from, folder, to); }) == 0 ? 0 : errno;
}

bool IsAppendOnlyFolder(int folder)
{
    // Where the flags cannot be read (other file systems, a folder opened for
    // its path only) the rename tells soon enough.
    int flags = 0;
    return ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_APPEND_FL) != 0;
}

} // namespace Conversion::Posix
