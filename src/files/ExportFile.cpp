#include "files/ExportFile.h"

#include "common/NativePath.h"
#include "files/ExportConflict.h"
#include "files/InterruptCleanup.h"
#include "files/OutputFailure.h"
#include "files/SafetyRefusal.h"
#include "files/TemporaryName.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <random>
#include <utility>

namespace fs = std::filesystem;

namespace Conversion {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kWriteBackStep = std::size_t{8} * 1024 * 1024;
constexpr int kNameAttempts = 100;

std::uint64_t RandomNumber()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return generator();
}

// What a failed write or flush of a stream left in errno; EIO when nothing.
std::error_code StreamError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// The file a link stands for, followed link by link so that a link to a
// file not yet there is written through too, and the link stays a link.
fs::path ResolvedTarget(fs::path path)
{
    constexpr int kMostLinks = 40; // as the system follows them
    for (int link = 0; link < kMostLinks && fs::is_symlink(fs::symlink_status(path)); ++link) {
        const fs::path target = fs::read_symlink(path);
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.lexically_normal();
}

std::string FolderOf(const fs::path& file)
{
    return file.has_parent_path() ? Common::PathText(file.parent_path()) : std::string(".");
}

// Whether creating a file failed because of the folder, not the file.
bool FolderRefused(const std::error_code& error)
{
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::read_only_file_system;
}

} // namespace

ExportFile::ExportFile(const std::string& path, Target target) : name_(path)
{
    std::error_code statusError;
    if (target == Target::PlainFileOnly) {
        const fs::file_status status = fs::symlink_status(Common::NativePath(path), statusError);
        if (fs::exists(status) && !fs::is_regular_file(status))
            Fail(SafetyRefusal::NotPlainFile);
        // Nothing but the name in its folder: a link that appears later is
        // replaced by the rename, never written through.
        Guarded([&] {
            const fs::path named = Common::NativePath(path);
            targetName_ = Common::PathText(named.filename());
            folder_.emplace(FolderOf(named));
            existing_ = LookAtTarget();
        });
        return;
    }
    const fs::file_status status = fs::status(Common::NativePath(path), statusError);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A pipe or a device cannot be replaced; it takes the output as it comes.
        Guarded([&] { file_ = OpenForAppending(path); });
        return;
    }
    Guarded([&] {
        const fs::path target = ResolvedTarget(Common::NativePath(path));
        targetName_ = Common::PathText(target.filename());
        folder_.emplace(FolderOf(target));
        existing_ = LookAtTarget();
    });
}

ExportFile::ExportFile(std::FILE* stream, std::string name)
    : name_(std::move(name)), stream_(stream)
{
}

ExportFile::~ExportFile()
{
    if (!committed_)
        Discard();
}

// Every failure is told under the path the user gave, whichever file or
// folder it happened to.
template <class Work> void ExportFile::Guarded(Work&& work)
{
    try {
        work();
    } catch (const std::system_error& e) {
        Fail(e.code());
    }
}

// The file there now; one this process may not write is refused, as writing
// to it in place would be.
std::optional<FileState> ExportFile::LookAtTarget() const
{
    std::optional<FileState> state = folder_->Lookup(targetName_);
    if (state && state->writeError)
        throw std::system_error(state->writeError);
    return state;
}

bool ExportFile::Lock(const OutputFolder::WaitNotice& onWait)
{
    if (!folder_)
        return true;
    bool unchanged = true;
    Guarded([&] {
        folder_->Lock(onWait);
        RemoveStaleTemporaries();
        std::optional<FileState> now = LookAtTarget();
        unchanged =
            now.has_value() == existing_.has_value() && (!now || now->SameContentAs(*existing_));
        existing_ = now;
    });
    return unchanged;
}

void ExportFile::RemoveStaleTemporaries()
{
    // Only the lock makes every temporary file of this name a dead run's.
    if (!folder_->IsLocked())
        return;
    const std::size_t nameLimit = folder_->NameLimit();
    folder_->RemoveMatching(
        [&](const std::string& name) { return IsTemporaryNameOf(name, targetName_, nameLimit); });
}

void ExportFile::LookAtExisting(const std::function<void(const Reader&)>& look)
{
    if (!folder_ || !existing_)
        return;
    Guarded([&] {
        FileHandle existing = folder_->OpenForReading(targetName_);
        look([&](char* into, std::size_t most) { return existing.Read(into, most); });
    });
}

void ExportFile::Begin(Mode mode)
{
    if (!folder_)
        return;
    Guarded([&] {
        CreateTemporary();
        if (mode == Mode::Append && existing_)
            CopyExistingContent();
    });
}

void ExportFile::CreateTemporary()
{
    // A temporary file there could be neither put in place nor removed.
    if (folder_->IsAppendOnly())
        Fail(SafetyRefusal::AppendOnlyFolder, FolderSubject());
    const std::size_t nameLimit = folder_->NameLimit();
    for (int attempt = 0; attempt < kNameAttempts && temporaryName_.empty(); ++attempt) {
        const std::string name = TemporaryName(targetName_, nameLimit, RandomNumber());
        WithInterruptsDeferred([&] {
            std::optional<FileHandle> created;
            try {
                created = folder_->CreateExclusively(name, existing_ ? &*existing_ : nullptr);
            } catch (const std::system_error& e) {
                // A writable file in a folder that takes no new files.
                if (FolderRefused(e.code()))
                    Fail(e.code(), FolderSubject());
                throw;
            }
            if (!created)
                return;
            temporaryName_ = name;
            file_ = std::move(*created);
            SetPendingTemporaryFile(folder_->PathOf(name));
        });
    }
    if (temporaryName_.empty())
        Fail(std::make_error_code(std::errc::file_exists));
}

void ExportFile::CopyExistingContent()
{
    FileHandle existing = folder_->OpenForReading(targetName_);
    const std::uint64_t total = file_.CopyRestOf(existing);
    file_.StartWriteBack();
    startsEmpty_ = total == 0;
    if (startsEmpty_)
        return;
    // The new records start on a line of their own.
    std::array<char, kLineEnd.size()> tail{};
    const std::size_t tailSize = static_cast<std::size_t>(std::min<std::uint64_t>(total, 2));
    existing.SeekTo(total - tailSize);
    std::size_t read = 0;
    while (read < tailSize) {
        const std::size_t more = existing.Read(tail.data() + read, tailSize - read);
        if (more == 0)
            break; // it shrank meanwhile, which the commit finds
        read += more;
    }
    if (std::string_view(tail.data(), read) != kLineEnd)
        Write(kLineEnd);
}

void ExportFile::Write(std::string_view bytes)
{
    if (failure_)
        Fail(failure_);
    if (stream_ != nullptr) {
        errno = 0;
        if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size())
            Fail(StreamError());
    } else if (const std::error_code error = file_.Write(bytes.data(), bytes.size())) {
        Fail(error);
    } else if (folder_ && (unsentToDisk_ += bytes.size()) >= kWriteBackStep) {
        // The disk writes while the conversion goes on, not all at the commit.
        file_.StartWriteBack();
        unsentToDisk_ = 0;
    }
}

void ExportFile::Commit()
{
    if (failure_)
        Fail(failure_);
    if (stream_ != nullptr) {
        errno = 0;
        if (std::fflush(stream_) != 0)
            Fail(StreamError());
    } else {
        // A rename must never put an incomplete file in place.
        if (folder_)
            if (const std::error_code error = file_.Sync())
                Fail(error);
        if (const std::error_code error = file_.Close())
            Fail(error);
    }
    if (folder_)
        Guarded([&] { PutInPlace(); });
    committed_ = true;
}

void ExportFile::Remove()
{
    if (!folder_ || !existing_)
        return;
    Guarded([&] {
        const std::optional<FileState> now = folder_->Lookup(targetName_);
        if (now && !now->SameContentAs(*existing_))
            Fail(ExportConflict::Changed);
        if (now)
            if (const std::error_code error = folder_->Remove(targetName_))
                Fail(error);
        unconfirmed_ = folder_->Sync();
    });
    committed_ = true;
    folder_.reset();
}

// Puts the temporary file in place over what the user decided about, and
// over nothing else.
void ExportFile::PutInPlace()
{
    const std::optional<FileState> now = folder_->Lookup(targetName_);
    if (existing_ && now && !now->SameContentAs(*existing_))
        Fail(ExportConflict::Changed);
    const bool replacing = existing_ && now;
    const std::error_code renamed = folder_->Rename(temporaryName_, targetName_, replacing);
    if (renamed == std::errc::file_exists)
        Fail(existing_ ? ExportConflict::Changed : ExportConflict::Appeared);
    if (renamed)
        Fail(renamed);
    temporaryName_.clear();
    SetPendingTemporaryFile({});
    // Lost with a power cut unless the folder is on the disk too. The file is
    // in place by now: that it may not be there after a power cut is worth
    // telling, but it is no failure, which a user might answer by converting
    // the same QSOs again.
    unconfirmed_ = folder_->Sync();
    folder_.reset();
}

std::string ExportFile::FolderSubject() const
{
    return "the folder of " + name_;
}

void ExportFile::Fail(std::error_code error, const std::string& subject)
{
    // The first failure is the one worth reporting; later ones follow from it.
    if (!failure_) {
        failure_ = error;
        failureText_ = (subject.empty() ? name_ : subject) + ": " + error.message();
        // Nothing more is written: the temporary file goes now, and the user
        // hears of it if it cannot.
        failureText_ += RemoveTemporary();
    }
    throw OutputFailure(failure_, failureText_);
}

std::string ExportFile::RemoveTemporary()
{
    file_.Close();
    if (!folder_ || temporaryName_.empty())
        return {};
    const std::error_code error = folder_->Remove(temporaryName_);
    const std::string path = folder_->PathOf(temporaryName_);
    temporaryName_.clear();
    SetPendingTemporaryFile({});
    if (!error)
        return {};
    return "; its temporary file " + path + " could not be removed (" + error.message() + ")";
}

void ExportFile::Discard() noexcept
{
    try {
        RemoveTemporary();
    } catch (...) {
        // Only the message about a file left behind could fail.
    }
    folder_.reset();
}

} // namespace Conversion
