#pragma once

#include "files/FileHandle.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace Conversion {

// A Kestrel log opened for reading, strictly in order from its first byte.
// It is read from the disk in large blocks and handed out a record at a time.
class LogFile
{
public:
    // Opens an existing log; throws std::system_error naming the path.
    explicit LogFile(const std::string& path);

    // The next complete record, kRecordSize bytes, valid until the next call.
    // Empty at the end of the log, including when only a partial record is
    // left (it is ignored). Throws on a read error, and at the end when the
    // log is not as it was when opened (SafetyRefusal::LogChanged).
    std::string_view ReadRecord();

    // The bytes of the partial record at the end, once the end is reached.
    std::size_t TrailingBytes() const { return trailingBytes_; }

private:
    // Reads until a whole record is held; false at the end of the log.
    bool ReadBlock();
    void CheckUnchanged() const;

    std::string path_;
    FileHandle file_;
    std::optional<FileVersion> opened_; // nothing for a pipe or a device
    std::uint64_t bytesRead_ = 0;
    std::unique_ptr<char[]> buffer_;
    std::size_t held_ = 0; // bytes in the buffer
    std::size_t next_ = 0; // where the next record starts in it
    bool atEnd_ = false;
    std::size_t trailingBytes_ = 0;
};

} // namespace Conversion
