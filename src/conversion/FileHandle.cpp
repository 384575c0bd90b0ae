#include "FileHandle.h"

#include <utility>

namespace Conversion {

FileHandle::~FileHandle()
{
    Close();
}

FileHandle::FileHandle(FileHandle&& other) noexcept : native_(std::exchange(other.native_, kClosed))
{
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        Close();
        native_ = std::exchange(other.native_, kClosed);
    }
    return *this;
}

} // namespace Conversion
