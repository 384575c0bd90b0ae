#pragma once

#include "common/OutputChannel.h"
#include "files/OutputFolder.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

namespace Conversion {

// The ADIF output of one conversion. An ADIF file is never changed in place:
// the new content (for appending, the old content followed by the new) goes
// to a temporary file beside it, which is put in place only at Commit, and
// only over the very file the user decided about. From Lock to the commit the
// folder is locked against other conversions. Until the commit, and after any
// failure, the file stays as it was and the temporary file is removed.
// Outputs that are not regular files (a pipe, a device, standard output) are
// written directly.
class ExportFile final : public Common::OutputChannel
{
public:
    enum class Mode { Replace, Append };
    // What the path may stand for. An ADIF file is written through a link and
    // into a pipe or a device as the user named it; a file of the program's
    // own beside it (the findings report) only ever as a plain file.
    enum class Target { AsNamed, PlainFileOnly };

    // Looks at the output. Throws OutputFailure naming the path, among others
    // for a file this process may not write.
    explicit ExportFile(const std::string& path, Target target = Target::AsNamed);
    // Writes to an already open stream, which stays open.
    ExportFile(std::FILE* stream, std::string name);
    ~ExportFile() override;

    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    // Whether a regular file is there, for the user to decide about.
    bool HasExistingFile() const { return existing_.has_value(); }
    // Whether the output is a file put in place at the commit, not a pipe,
    // a device or a stream.
    bool WritesFile() const { return folder_.has_value(); }

    // Locks the folder (see OutputFolder::Lock for `onWait`) and looks again.
    // False when the file is no longer what it was: HasExistingFile then
    // tells what is there now, for the user to decide again.
    bool Lock(const OutputFolder::WaitNotice& onWait);

    // Up to `most` next bytes of a file into `into`, and how many; 0 at its end.
    using Reader = std::function<std::size_t(char* into, std::size_t most)>;
    // Hands `look` a reader of the existing file from its first byte, to tell
    // what it holds; the file is closed when `look` returns. Nothing is read
    // when no file is there.
    void LookAtExisting(const std::function<void(const Reader&)>& look);

    // Starts the new content; Append keeps what an existing file holds.
    void Begin(Mode mode);

    // Whether the output holds nothing yet, so that it needs a header. When
    // appending to content that does not end a line, a line end was added.
    bool StartsEmpty() const { return startsEmpty_; }

    // Throws std::system_error; after one failed write every later write and
    // the commit fail too, with the first failure.
    void Write(std::string_view bytes) override;

    // Makes everything written durable, puts it in place and releases the
    // folder. Text still gathered in a TextStream over this file is not in it
    // yet: the stream is flushed first.
    void Commit();

    // Removes the existing file, under the lock, when it is still the one
    // looked at; instead of writing anything.
    void Remove();

    // After a commit: why the system could not confirm that the file's new
    // name is on the disk (a power cut could still lose it); nothing when it did.
    std::error_code UnconfirmedOnDisk() const { return unconfirmed_; }

private:
    template <class Work> void Guarded(Work&& work);
    std::optional<FileState> LookAtTarget() const;
    void RemoveStaleTemporaries();
    void CreateTemporary();
    void CopyExistingContent();
    void PutInPlace();
    // Throws the first failure, named after `subject` (the file by default).
    [[noreturn]] void Fail(std::error_code error, const std::string& subject = {});
    std::string FolderSubject() const;
    // Closes and removes the temporary file; says what was left when it could not.
    std::string RemoveTemporary();
    void Discard() noexcept;

    std::string name_; // the path as the user gave it, for messages
    std::optional<OutputFolder> folder_;
    std::string targetName_;            // the file's name in the folder
    std::optional<FileState> existing_; // the file as it was when looked at
    std::string temporaryName_;         // empty when none is pending
    FileHandle file_;                   // the temporary file, or a pipe or device
    std::FILE* stream_ = nullptr;       // or a stream that is not ours
    std::uint64_t unsentToDisk_ = 0;    // written since the disk was last asked to write
    bool startsEmpty_ = true;
    std::error_code failure_;
    std::string failureText_;
    std::error_code unconfirmed_;
    bool committed_ = false;
};

} // namespace Conversion
