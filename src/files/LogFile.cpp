#include "files/LogFile.h"

#include "files/SafetyRefusal.h"
#include "record/LogRecord.h"

#include <cstring>
#include <system_error>

namespace Conversion {

namespace {

// Large enough that reading costs few system calls, small enough to stay in
// the processor's caches while it is converted.
constexpr std::size_t kBlockSize = 4096 * kRecordSize;

} // namespace

LogFile::LogFile(const std::string& path)
    : path_(path), file_(OpenForReading(path)), buffer_(new char[kBlockSize])
{
    try {
        opened_ = file_.Version();
    } catch (const std::system_error& e) {
        throw std::system_error(e.code(), path_);
    }
}

// A log that another program wrote to while it was read (the logging program
// still running, a copy still arriving) gave a mixture of old and new
// records: the conversion fails, as for an ADIF file changed meanwhile.
void LogFile::CheckUnchanged() const
{
    if (!opened_)
        return; // a pipe or a device: its content is what came
    std::optional<FileVersion> now;
    try {
        now = file_.Version();
    } catch (const std::system_error& e) {
        throw std::system_error(e.code(), path_);
    }
    if (now != opened_ || bytesRead_ != opened_->size)
        throw std::system_error(SafetyRefusal::LogChanged, path_);
}

std::string_view LogFile::ReadRecord()
{
    if (held_ - next_ < kRecordSize && !ReadBlock())
        return {};
    const std::string_view record(buffer_.get() + next_, kRecordSize);
    next_ += kRecordSize;
    return record;
}

bool LogFile::ReadBlock()
{
    if (atEnd_)
        return false;
    // What is left of the last block is less than a record: it goes first.
    held_ -= next_;
    std::memmove(buffer_.get(), buffer_.get() + next_, held_);
    next_ = 0;
    // A pipe may deliver a record in pieces: read until one is whole or the log ends.
    while (held_ < kRecordSize) {
        std::size_t read = 0;
        try {
            read = file_.Read(buffer_.get() + held_, kBlockSize - held_);
        } catch (const std::system_error& e) {
            throw std::system_error(e.code(), path_);
        }
        if (read == 0) {
            CheckUnchanged();
            atEnd_ = true;
            trailingBytes_ = held_;
            return false;
        }
        held_ += read;
        bytesRead_ += read;
    }
    return true;
}

} // namespace Conversion
