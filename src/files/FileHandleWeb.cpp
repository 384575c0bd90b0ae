// What the browser's file system offers beyond POSIX: nothing. Its files live
// in the page's memory, so there is no disk to hand blocks to.

#include "files/FileHandle.h"

namespace Conversion {

std::uint64_t FileHandle::CopyRestOf(FileHandle& source)
{
    return CopyThroughBuffer(source);
}

void FileHandle::StartWriteBack() noexcept {}

} // namespace Conversion
