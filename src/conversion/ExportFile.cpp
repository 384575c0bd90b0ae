#include "ExportFile.h"

#include "InterruptCleanup.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace Conversion {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

int LastErrorOr(int fallback)
{
    return errno != 0 ? errno : fallback;
}

std::string TemporaryName(const fs::path& target)
{
    static std::mt19937_64 generator{std::random_device{}()};
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(generator() % 1000000000);
    name += ".tmp";
    return (target.parent_path() / name).string();
}

// Creates `path`, which must not exist, for writing. New files get the
// permissions the user's umask gives any new file.
std::FILE* CreateExclusively(const std::string& path)
{
#ifdef _WIN32
    const int fd =
        _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
#endif
    if (fd < 0)
        return nullptr;
#ifdef _WIN32
    std::FILE* file = _fdopen(fd, "wb");
#else
    std::FILE* file = fdopen(fd, "wb");
#endif
    if (file == nullptr) {
        const int error = errno;
#ifdef _WIN32
        _close(fd);
#else
        close(fd);
#endif
        errno = error;
    }
    return file;
}

// Flushes the stream down to the disk, so that a rename never puts an
// incomplete file in place.
bool SyncToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0 || errno == EINVAL; // EINVAL: cannot be synced
#endif
}

} // namespace

ExportFile::ExportFile(const std::string& path, Mode mode) : name_(path)
{
    std::error_code statusError;
    const fs::file_status status = fs::status(path, statusError);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A pipe or a device cannot be replaced; it takes the output as it comes.
        errno = 0;
        file_ = std::fopen(path.c_str(), "ab");
        if (file_ == nullptr)
            Fail(LastErrorOr(EIO));
        return;
    }
    try {
        targetPath_ = ResolveLink(path);
        OpenTemporaryBeside(targetPath_);
        if (mode == Mode::Append && fs::exists(status))
            CopyExistingContent(targetPath_);
    } catch (...) {
        Discard();
        throw;
    }
}

ExportFile::ExportFile(std::FILE* stream, std::string name)
    : name_(std::move(name)), file_(stream), ownsFile_(false)
{
}

ExportFile::~ExportFile()
{
    if (!committed_)
        Discard();
}

std::string ExportFile::ResolveLink(const std::string& path)
{
    // Write beside the file a link points to, so that the link stays a link.
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error)))
        return path;
    const fs::path target = fs::canonical(path, error);
    if (error)
        Fail(error);
    return target.string();
}

void ExportFile::OpenTemporaryBeside(const std::string& target)
{
    for (int attempt = 0; attempt < 100 && file_ == nullptr; ++attempt) {
        temporaryPath_ = TemporaryName(target);
        errno = 0;
        file_ = CreateExclusively(temporaryPath_);
        if (file_ == nullptr && errno != EEXIST)
            break;
    }
    if (file_ == nullptr) {
        temporaryPath_.clear();
        Fail(LastErrorOr(EEXIST));
    }
    SetPendingTemporaryFile(temporaryPath_);
    std::error_code error;
    if (fs::exists(target, error)) {
        // The replacement keeps the permissions of the file it replaces.
        fs::permissions(temporaryPath_, fs::status(target, error).permissions(), error);
    }
}

void ExportFile::CopyExistingContent(const std::string& target)
{
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> existing(std::fopen(target.c_str(), "rb"),
                                                             &std::fclose);
    if (!existing)
        Fail(LastErrorOr(EIO));
    char buffer[64 * 1024];
    std::string tail; // the last two bytes copied
    std::size_t total = 0;
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, existing.get())) {
        Write(buffer, read);
        tail.append(buffer + read - std::min<std::size_t>(read, 2), std::min<std::size_t>(read, 2));
        tail.erase(0, tail.size() - std::min<std::size_t>(tail.size(), 2));
        total += read;
    }
    if (std::ferror(existing.get()))
        Fail(LastErrorOr(EIO));
    startsEmpty_ = total == 0;
    // The new records start on a line of their own.
    if (!startsEmpty_ && tail != kLineEnd)
        Write(kLineEnd.data(), kLineEnd.size());
}

void ExportFile::WriteLine(std::string_view text)
{
    Write(text.data(), text.size());
    Write(kLineEnd.data(), kLineEnd.size());
}

void ExportFile::Write(const char* data, std::size_t size)
{
    if (failure_)
        Fail(failure_);
    errno = 0;
    if (std::fwrite(data, 1, size, file_) != size)
        Fail(LastErrorOr(EIO));
}

void ExportFile::Commit()
{
    if (failure_)
        Fail(failure_);
    errno = 0;
    if (temporaryPath_.empty()) {
        if (std::fflush(file_) != 0)
            Fail(LastErrorOr(EIO));
        if (ownsFile_) {
            std::FILE* file = std::exchange(file_, nullptr);
            if (std::fclose(file) != 0)
                Fail(LastErrorOr(EIO));
        }
        committed_ = true;
        return;
    }
    if (!SyncToDisk(file_))
        Fail(LastErrorOr(EIO));
    std::FILE* file = std::exchange(file_, nullptr);
    if (std::fclose(file) != 0)
        Fail(LastErrorOr(EIO));
    std::error_code error;
    fs::rename(temporaryPath_, targetPath_, error);
    if (error)
        Fail(error);
    temporaryPath_.clear();
    SetPendingTemporaryFile({});
    committed_ = true;
}

void ExportFile::Fail(int number)
{
    Fail(std::error_code(number, std::generic_category()));
}

void ExportFile::Fail(std::error_code error)
{
    // The first failure is the one worth reporting; later ones follow from it.
    if (!failure_)
        failure_ = error;
    throw std::system_error(failure_, name_);
}

void ExportFile::Discard() noexcept
{
    if (file_ != nullptr && ownsFile_)
        std::fclose(file_);
    file_ = nullptr;
    if (!temporaryPath_.empty()) {
        std::error_code ignored;
        fs::remove(temporaryPath_, ignored);
        temporaryPath_.clear();
        SetPendingTemporaryFile({});
    }
}

} // namespace Conversion
