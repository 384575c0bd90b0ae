#include "files/OutputFolder.h"
#include "files/Win32Support.h"

#include <cwctype>
#include <utility>

namespace Conversion {

using Common::WideFromUtf8;
using Win32::Native;

namespace {

constexpr std::size_t kDefaultNameLimit = 255;
// Attributes a replacement keeps; read-only never, since the file was writable.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The folder as the system names it, in one case: the same folder reached by
// another path, another case or a drive letter of a share gives the same name.
std::wstring CanonicalName(HANDLE folder, const std::string& path)
{
    std::wstring name(32768, L'\0');
    DWORD length = GetFinalPathNameByHandleW(folder, name.data(), static_cast<DWORD>(name.size()),
                                             FILE_NAME_NORMALIZED);
    if (length == 0 || length >= name.size())
        length = GetFullPathNameW(WideFromUtf8(path).c_str(), static_cast<DWORD>(name.size()),
                                  name.data(), nullptr);
    name.resize(length < name.size() ? length : 0);
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towupper(c));
    return name;
}

// A mutex of this session named after the folder: kernel objects vanish with
// the last process that holds them, so nothing is left on disk.
std::wstring LockName(const std::wstring& folder)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const wchar_t c : folder) {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 1099511628211ull;
    }
    constexpr wchar_t kHexDigits[] = L"0123456789abcdef";
    std::wstring name = L"Local\\KestrelToADIF-folder-";
    for (int digit = 15; digit >= 0; --digit)
        name += kHexDigits[(hash >> (4 * digit)) & 0xF];
    return name;
}

bool Acquired(DWORD waited)
{
    // An abandoned mutex: its holder died, and what it left is cleaned up next.
    return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

std::int64_t Nanoseconds(const FILETIME& time)
{
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(ticks * 100);
}

// Whether an in-place write would be let in: the read-only attribute and the
// file's access control list both have their say.
bool OpensForWriting(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() != ERROR_ACCESS_DENIED;
    CloseHandle(file);
    return true;
}

} // namespace

OutputFolder::OutputFolder(std::string path) : path_(std::move(path))
{
    // Held open without sharing deletion, so that the folder cannot be renamed
    // or removed while the conversion writes in it.
    const HANDLE folder =
        CreateFileW(WideFromUtf8(path_).c_str(), FILE_LIST_DIRECTORY | SYNCHRONIZE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        Win32::ThrowLastError(path_);
    native_ = Win32::Stored(folder);
}

void OutputFolder::Lock(const WaitNotice& onWait)
{
    const HANDLE mutex =
        CreateMutexW(nullptr, FALSE, LockName(CanonicalName(Native(native_), path_)).c_str());
    if (mutex == nullptr)
        Win32::ThrowLastError(path_);
    lock_ = Win32::Stored(mutex);
    if (!Acquired(WaitForSingleObject(mutex, 0))) {
        if (!onWait)
            throw OutputBusy(path_);
        onWait();
        if (!Acquired(WaitForSingleObject(mutex, INFINITE)))
            Win32::ThrowLastError(path_);
    }
    locked_ = true;
}

OutputFolder::~OutputFolder()
{
    if (locked_)
        ReleaseMutex(Native(lock_));
    if (lock_ != -1)
        CloseHandle(Native(lock_));
    CloseHandle(Native(native_));
}

std::size_t OutputFolder::NameLimit() const
{
    DWORD longestName = 0;
    if (!GetVolumeInformationByHandleW(Native(native_), nullptr, 0, nullptr, &longestName, nullptr,
                                       nullptr, 0) ||
        longestName == 0)
        return kDefaultNameLimit;
    // The limit counts UTF-16 units; a name's UTF-8 bytes are never fewer.
    return longestName;
}

std::string OutputFolder::PathOf(const std::string& name) const
{
    return path_.ends_with('\\') || path_.ends_with('/') ? path_ + name : path_ + '\\' + name;
}

std::optional<FileState> OutputFolder::Lookup(const std::string& name) const
{
    const std::wstring path = WideFromUtf8(PathOf(name));
    const HANDLE file = CreateFileW(
        path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND)
            return std::nullopt;
        Win32::ThrowLastError(PathOf(name));
    }
    BY_HANDLE_FILE_INFORMATION information;
    const bool known = GetFileInformationByHandle(file, &information) != FALSE;
    const std::error_code error = Win32::LastError();
    CloseHandle(file);
    if (!known)
        throw std::system_error(error, PathOf(name));
    if ((information.dwFileAttributes &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) != 0)
        return std::nullopt;
    FileState state;
    state.device = information.dwVolumeSerialNumber;
    state.inode =
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    state.size =
        (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    state.modifiedNanoseconds = Nanoseconds(information.ftLastWriteTime);
    state.mode = information.dwFileAttributes;
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0 || !OpensForWriting(path))
        state.writeError = std::make_error_code(std::errc::permission_denied);
    return state;
}

std::optional<FileHandle> OutputFolder::CreateExclusively(const std::string& name,
                                                          const FileState* replaced)
{
    // The replacement gets the replaced file's attributes from the start; its
    // access control list comes from the folder, as for any new file. Deletion
    // is shared so that an interrupt can remove it while it is still open.
    const DWORD attributes = replaced != nullptr && (replaced->mode & kKeptAttributes) != 0
                                 ? replaced->mode & kKeptAttributes
                                 : FILE_ATTRIBUTE_NORMAL;
    const HANDLE file = CreateFileW(WideFromUtf8(PathOf(name)).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_DELETE, nullptr, CREATE_NEW, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)
            return std::nullopt;
        Win32::ThrowLastError(PathOf(name));
    }
    return FileHandle(Win32::Stored(file));
}

FileHandle OutputFolder::OpenForReading(const std::string& name) const
{
    return Conversion::OpenForReading(PathOf(name));
}

std::error_code OutputFolder::Rename(const std::string& from, const std::string& to,
                                     bool replacing) noexcept
{
    // Write-through: the rename is on the disk when the call returns.
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replacing ? MOVEFILE_REPLACE_EXISTING : 0);
    const std::wstring source = WideFromUtf8(PathOf(from));
    const std::wstring target = WideFromUtf8(PathOf(to));
    if (MoveFileExW(source.c_str(), target.c_str(), flags))
        return {};
    return Win32::LastError();
}

// NOLINTNEXTLINE(readability-convert-member-functions-to-static): the Posix one syncs the folder.
std::error_code OutputFolder::Sync() noexcept
{
    return {}; // Rename wrote through already
}

std::error_code OutputFolder::Remove(const std::string& name) noexcept
{
    if (DeleteFileW(WideFromUtf8(PathOf(name)).c_str()) != FALSE)
        return {};
    return Win32::LastError();
}

// NOLINTNEXTLINE(readability-convert-member-functions-to-static): the Posix one asks the folder.
bool OutputFolder::IsAppendOnly() const
{
    return false; // Windows folders have no such attribute
}

void OutputFolder::RemoveMatching(const std::function<bool(const std::string&)>& isStale)
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileExW(WideFromUtf8(PathOf("*")).c_str(), FindExInfoBasic,
                                           &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            continue;
        const std::string name = Common::Utf8FromWide(entry.cFileName);
        if (isStale(name))
            Remove(name);
    } while (FindNextFileW(search, &entry) != FALSE);
    FindClose(search);
}

} // namespace Conversion
