#include "files/PosixSupport.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace Conversion::Posix {

// The browser's file system lives in the page's memory and only the page's
// one thread changes it, so nothing can take the name between the look and
// the rename; it has neither renameat2 nor hard links.
int RenameWithoutReplacing(int folder, const char* from, const char* to)
{
    struct stat existing;
    if (fstatat(folder, to, &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    if (errno != ENOENT)
        return errno;
    return Retried([&] { return renameat(folder, from, folder, to); }) == 0 ? 0 : errno;
}

bool IsAppendOnlyFolder(int /*folder*/)
{
    return false; // the browser's file system has no such attribute
}

} // namespace Conversion::Posix
