#pragma once

#include "FileHandle.h"
#include "LogRecord.h"

#include <string>

namespace Conversion {

// A Kestrel log opened for reading, one record at a time from its first byte.
class LogFile
{
public:
    // Opens an existing log; throws std::system_error naming the path.
    explicit LogFile(const std::string& path);

    // The next complete record. False at the end of the log, including when
    // only a partial record is left (it is ignored). Throws on a read error.
    bool ReadRecord(RecordBytes& recordBytes);

    // The bytes of the partial record at the end, once the end is reached.
    std::size_t TrailingBytes() const { return trailingBytes_; }

private:
    std::string path_;
    FileHandle file_;
    std::string buffer_; // read ahead in large blocks
    std::size_t next_ = 0;
    std::size_t trailingBytes_ = 0;
};

} // namespace Conversion
