#include "files/OutputFolder.h"
#include "files/PosixSupport.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace Conversion {

using Posix::Descriptor;
using Posix::LastError;
using Posix::RenameWithoutReplacing;
using Posix::Retried;
using Posix::ThrowLastError;

namespace {

constexpr std::size_t kDefaultNameLimit = 255;

// Advisory locks that the file system does not keep (NFS emulates them on
// files opened for writing only, and gives EBADF for a folder), and a folder
// opened for its path only: the conversion goes on without one.
bool LockingUnsupported(int error)
{
    return error == EBADF || error == ENOLCK || error == EINVAL || error == ENOTSUP ||
           error == EOPNOTSUPP;
}

// Keeps the owner, group and mode of the file being replaced. Only root may
// give a file away, and only to groups it is in may a user give it: what the
// process may not do is left as it is. File systems without modes (FAT,
// shares) refuse what they cannot store.
void CopyOwnerAndMode(int fd, const FileState& replaced, const std::string& path)
{
    if (Retried([&] { return fchown(fd, replaced.owner, replaced.group); }) != 0)
        (void)Retried([&] { return fchown(fd, static_cast<uid_t>(-1), replaced.group); });
    if (Retried([&] { return fchmod(fd, static_cast<mode_t>(replaced.mode)); }) != 0 &&
        errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        ThrowLastError(path);
}

} // namespace

OutputFolder::OutputFolder(std::string path) : path_(std::move(path))
{
    int fd = Retried([&] { return open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    // A folder the user may write in but not list still takes the file; it
    // cannot be locked or synced then.
    if (fd < 0 && errno == EACCES)
        fd = Retried([&] { return open(path_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0)
        ThrowLastError(path_);
    native_ = fd;
}

void OutputFolder::Lock(const WaitNotice& onWait)
{
    const int fd = Descriptor(native_);
    if (Retried([&] { return flock(fd, LOCK_EX | LOCK_NB); }) == 0) {
        locked_ = true;
        return;
    }
    if (LockingUnsupported(errno))
        return;
    if (errno != EWOULDBLOCK)
        ThrowLastError(path_);
    if (!onWait)
        throw OutputBusy(path_);
    onWait();
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            ThrowLastError(path_);
    }
    locked_ = true;
}

OutputFolder::~OutputFolder()
{
    // Closing the folder releases its lock.
    close(Descriptor(native_));
}

std::size_t OutputFolder::NameLimit() const
{
    const long limit = fpathconf(Descriptor(native_), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : kDefaultNameLimit;
}

std::string OutputFolder::PathOf(const std::string& name) const
{
    return path_.ends_with('/') ? path_ + name : path_ + '/' + name;
}

std::optional<FileState> OutputFolder::Lookup(const std::string& name) const
{
    struct stat entry;
    if (fstatat(Descriptor(native_), name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        ThrowLastError(PathOf(name));
    }
    if (!S_ISREG(entry.st_mode))
        return std::nullopt;
    FileState state;
    state.device = entry.st_dev;
    state.inode = entry.st_ino;
    state.size = static_cast<std::uint64_t>(entry.st_size);
    state.modifiedNanoseconds =
        static_cast<std::int64_t>(entry.st_mtim.tv_sec) * 1'000'000'000 + entry.st_mtim.tv_nsec;
    state.changedNanoseconds =
        static_cast<std::int64_t>(entry.st_ctim.tv_sec) * 1'000'000'000 + entry.st_ctim.tv_nsec;
    state.mode = entry.st_mode & 07777;
    state.owner = entry.st_uid;
    state.group = entry.st_gid;
    // The effective user decides, as it would for opening the file in place.
    if (faccessat(Descriptor(native_), name.c_str(), W_OK, AT_EACCESS) != 0)
        state.writeError = LastError();
    return state;
}

std::optional<FileHandle> OutputFolder::CreateExclusively(const std::string& name,
                                                          const FileState* replaced)
{
    // A replacement starts readable by its owner only, so that nobody can open
    // it before it has the replaced file's owner and mode.
    const mode_t mode = replaced != nullptr ? 0600 : 0666;
    const int fd = Retried([&] {
        return openat(Descriptor(native_), name.c_str(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, mode);
    });
    if (fd < 0) {
        if (errno == EEXIST)
            return std::nullopt;
        ThrowLastError(PathOf(name));
    }
    FileHandle handle(fd);
    try {
        if (replaced != nullptr)
            CopyOwnerAndMode(fd, *replaced, PathOf(name));
    } catch (...) {
        Remove(name);
        throw;
    }
    return handle;
}

FileHandle OutputFolder::OpenForReading(const std::string& name) const
{
    // A pipe swapped in for the file must not hold the reader up.
    const int fd = Retried([&] {
        return openat(Descriptor(native_), name.c_str(),
                      O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    });
    if (fd < 0)
        ThrowLastError(PathOf(name));
    return FileHandle(fd);
}

std::error_code OutputFolder::Rename(const std::string& from, const std::string& to,
                                     bool replacing) noexcept
{
    const int folder = Descriptor(native_);
    const auto replace = [&] { return renameat(folder, from.c_str(), folder, to.c_str()); };
    const int error = replacing ? (Retried(replace) == 0 ? 0 : errno)
                                : RenameWithoutReplacing(folder, from.c_str(), to.c_str());
    return error != 0 ? std::error_code(error, std::generic_category()) : std::error_code();
}

std::error_code OutputFolder::Sync() noexcept
{
    // EBADF: a folder opened for its path only.
    if (Retried([&] { return fsync(Descriptor(native_)); }) == 0 || errno == EINVAL ||
        errno == EBADF)
        return {};
    return LastError();
}

std::error_code OutputFolder::Remove(const std::string& name) noexcept
{
    if (Retried([&] { return unlinkat(Descriptor(native_), name.c_str(), 0); }) == 0)
        return {};
    return LastError();
}

bool OutputFolder::IsAppendOnly() const
{
    return Posix::IsAppendOnlyFolder(Descriptor(native_));
}

void OutputFolder::RemoveMatching(const std::function<bool(const std::string&)>& isStale)
{
    // A listing of its own: the stream takes over the descriptor it is given.
    const int listing = Retried(
        [&] { return openat(Descriptor(native_), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (listing < 0)
        return;
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(fdopendir(listing), &closedir);
    if (!entries) {
        close(listing);
        return;
    }
    while (const dirent* entry = readdir(entries.get())) {
        const std::string name = entry->d_name;
        struct stat found;
        if (isStale(name) &&
            fstatat(Descriptor(native_), entry->d_name, &found, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(found.st_mode))
            Remove(name);
    }
}

} // namespace Conversion
