#include "files/FileHandle.h"

#include <memory>
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

// Where the system cannot copy inside itself.
std::uint64_t FileHandle::CopyThroughBuffer(FileHandle& source)
{
    constexpr std::size_t kBlockSize = std::size_t{1024} * 1024;
    const std::unique_ptr<char[]> block(new char[kBlockSize]);
    std::uint64_t total = 0;
    while (const std::size_t read = source.Read(block.get(), kBlockSize)) {
        if (const std::error_code error = Write(block.get(), read))
            throw std::system_error(error);
        total += read;
    }
    return total;
}

} // namespace Conversion
