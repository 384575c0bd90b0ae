#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace Conversion {

// What tells that a file's content changed: its size and times.
struct FileVersion
{
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedNanoseconds = 0; // of the file's status, where the system keeps it

    bool operator==(const FileVersion&) const = default;
};

// An open file, closed when the handle goes.
class FileHandle
{
public:
    FileHandle() = default;
    explicit FileHandle(std::intptr_t native) : native_(native) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return native_ != kClosed; }

    // The whole block, or the error that stopped it.
    std::error_code Write(const char* data, std::size_t size) noexcept;
    // Up to `size` bytes; 0 at the end of the file. Throws std::system_error.
    std::size_t Read(char* data, std::size_t size);
    // Moves the position to `offset` bytes from the start. Throws std::system_error.
    void SeekTo(std::uint64_t offset);
    // Appends everything from `source`'s position to its end, and returns how
    // many bytes that was: inside the system, by sharing or copying the file's
    // blocks, where it can; through a buffer where it cannot. Both positions
    // end after the bytes copied. Throws std::system_error.
    std::uint64_t CopyRestOf(FileHandle& source);
    // Asks the system to start writing what this file holds to the disk now,
    // without waiting, so that a later Sync has less left to wait for. A hint:
    // where the system has no such request, nothing happens.
    void StartWriteBack() noexcept;
    // Down to the disk. A file that cannot be synced (a device) counts as synced.
    std::error_code Sync() noexcept;
    std::error_code Close() noexcept;
    // The regular file's version now; nothing for a pipe or a device, whose
    // content is whatever comes. Throws std::system_error.
    std::optional<FileVersion> Version() const;

private:
    std::uint64_t CopyThroughBuffer(FileHandle& source);

    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t native_ = kClosed;
};

// Opens an existing output that is not a regular file (a pipe, a terminal,
// /dev/null) for writing as it comes. A disk or a partition is refused
// (SafetyRefusal::BlockDevice): ADIF text written over it would destroy it.
// Throws std::system_error naming the path.
FileHandle OpenForAppending(const std::string& path);

// Opens an existing file for reading from its first byte. Throws
// std::system_error naming the path.
FileHandle OpenForReading(const std::string& path);

} // namespace Conversion
