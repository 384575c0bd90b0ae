#include "LogFile.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace Conversion {

namespace {

constexpr std::size_t kBlockSize = 1024 * kRecordSize;

} // namespace

LogFile::LogFile(const std::string& path) : path_(path), file_(OpenForReading(path)) {}

bool LogFile::ReadRecord(RecordBytes& recordBytes)
{
    // A pipe may deliver a record in pieces: read until it is whole or the log ends.
    while (buffer_.size() - next_ < kRecordSize) {
        buffer_.erase(0, next_);
        next_ = 0;
        const std::size_t held = buffer_.size();
        buffer_.resize(held + kBlockSize);
        std::size_t read = 0;
        try {
            read = file_.Read(buffer_.data() + held, kBlockSize);
        } catch (const std::system_error& e) {
            throw std::system_error(e.code(), path_);
        }
        buffer_.resize(held + read);
        if (read == 0) {
            trailingBytes_ = buffer_.size();
            return false;
        }
    }
    std::memcpy(recordBytes.data(), buffer_.data() + next_, kRecordSize);
    next_ += kRecordSize;
    return true;
}

} // namespace Conversion
