#include "LogFile.h"

#include <cerrno>
#include <system_error>

namespace Conversion {

namespace {

[[noreturn]] void ThrowFileError(int number, const std::string& path)
{
    throw std::system_error(number != 0 ? number : EIO, std::generic_category(), path);
}

} // namespace

LogFile::LogFile(const std::string& path) : path_(path), file_(nullptr, &std::fclose)
{
    errno = 0;
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_)
        ThrowFileError(errno, path);
}

bool LogFile::ReadRecord(RecordBytes& recordBytes)
{
    errno = 0;
    const std::size_t read = std::fread(recordBytes.data(), 1, recordBytes.size(), file_.get());
    if (read == recordBytes.size())
        return true;
    if (std::ferror(file_.get()))
        ThrowFileError(errno, path_);
    trailingBytes_ = read;
    return false;
}

} // namespace Conversion
