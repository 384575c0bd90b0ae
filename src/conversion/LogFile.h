#pragma once

#include "LogRecord.h"

#include <cstdio>
#include <memory>
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

private:
    std::string path_;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
};

} // namespace Conversion
