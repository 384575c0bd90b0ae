#pragma once

#include "files/FileHandle.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

// What the safe ADIF output needs of the file system. Every operation works
// relative to the opened folder, never by a path that could be swapped
// underneath it. One implementation per platform.
namespace Conversion {

// What identifies a regular file and what its replacement keeps of it.
struct FileState
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedNanoseconds = 0; // of the file's status, where the system keeps it
    std::uint32_t mode = 0;              // permission bits; on Windows the attributes
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    // Why writing the file in place would be refused; nothing when it would not.
    std::error_code writeError;

    // The same file, unchanged since it was looked at.
    bool SameContentAs(const FileState& other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNanoseconds == other.modifiedNanoseconds &&
               changedNanoseconds == other.changedNanoseconds;
    }
};

// Another conversion is writing in the folder and the caller chose not to wait.
class OutputBusy : public std::runtime_error
{
public:
    explicit OutputBusy(const std::string& folder) : std::runtime_error(folder), folder(folder) {}
    std::string folder;
};

// The folder an ADIF file is written in. Once locked, and until the object
// goes, no other conversion writes in it: conversions into the same folder
// run one after the other, so none can lose what another wrote. The lock is
// the system's own (an advisory lock on the folder, on Windows a named
// mutex): nothing is created for it, and it goes with the process.
class OutputFolder
{
public:
    // Called once, before waiting for another conversion to finish.
    using WaitNotice = std::function<void()>;

    // Opens the folder; throws std::system_error naming it.
    explicit OutputFolder(std::string path);
    ~OutputFolder();
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    // Takes the lock. When another conversion holds it, waits for it after
    // `onWait`, or throws OutputBusy when there is no `onWait`. Throws
    // std::system_error for other failures. Where the file system keeps no
    // locks, or the folder could be opened for writing only, goes on without.
    void Lock(const WaitNotice& onWait);

    const std::string& Path() const { return path_; }
    // Whether the lock is held.
    bool IsLocked() const { return locked_; }
    // The longest file name the folder takes.
    std::size_t NameLimit() const;
    // The folder's path joined with a name in it.
    std::string PathOf(const std::string& name) const;

    // The regular file `name`; nothing when there is none.
    std::optional<FileState> Lookup(const std::string& name) const;

    // Creates `name`, which must not exist yet, for writing. With `replaced`,
    // it gets that file's owner (where the process may give it) and mode;
    // without, the mode any new file gets. Returns nothing when the name is
    // taken; throws std::system_error for other failures.
    std::optional<FileHandle> CreateExclusively(const std::string& name, const FileState* replaced);
    FileHandle OpenForReading(const std::string& name) const;

    // Puts `from` in place as `to`. Without `replacing`, `to` must not exist
    // (std::errc::file_exists otherwise); with it, whatever is there is replaced.
    std::error_code Rename(const std::string& from, const std::string& to, bool replacing) noexcept;
    // Makes the folder's entries durable. A folder that cannot be synced counts as synced.
    std::error_code Sync() noexcept;
    // Why `name` could not be removed; nothing when it was.
    std::error_code Remove(const std::string& name) noexcept;
    // Whether the folder takes new files but lets none be renamed or removed
    // (Linux's append-only attribute), so that no temporary file could be
    // put in place or removed again.
    bool IsAppendOnly() const;

    // Removes every regular file whose name `isStale` accepts.
    void RemoveMatching(const std::function<bool(const std::string&)>& isStale);

private:
    std::string path_;
    std::intptr_t native_ = -1; // the folder, held open
    std::intptr_t lock_ = -1;   // what holds the lock where the folder itself cannot
    bool locked_ = false;
};

} // namespace Conversion
