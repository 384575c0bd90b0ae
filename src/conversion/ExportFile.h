#pragma once

#include "OutputChannel.h"

#include <cstdio>
#include <string>
#include <system_error>

namespace Conversion {

// The ADIF output of one conversion. An existing regular file is never
// changed in place: the new content (for appending, the old content followed
// by the new) goes to a temporary file in the same folder, which replaces the
// file only at Commit. Until then, and after any failure, the file stays as it
// was and the temporary file is removed. Outputs that are not regular files
// (a pipe, a device, standard output) are written directly.
class ExportFile final : public OutputChannel
{
public:
    enum class Mode { Replace, Append };

    // Throws std::system_error naming the path when the output cannot be opened.
    ExportFile(const std::string& path, Mode mode);
    // Writes to an already open stream, which stays open.
    ExportFile(std::FILE* stream, std::string name);
    ~ExportFile() override;

    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    // Whether the output holds nothing yet, so that it needs a header. When
    // appending to content that does not end a line, a line end was added.
    bool StartsEmpty() const { return startsEmpty_; }

    // Throws std::system_error; after one failed write every later write and
    // the commit fail too, with the first failure.
    void WriteLine(std::string_view text) override;

    // Makes everything written durable and puts it in place.
    void Commit();

private:
    std::string ResolveLink(const std::string& path);
    void OpenTemporaryBeside(const std::string& target);
    void CopyExistingContent(const std::string& target);
    void Write(const char* data, std::size_t size);
    [[noreturn]] void Fail(int number);
    [[noreturn]] void Fail(std::error_code error);
    void Discard() noexcept;

    std::string name_;          // the path as the user gave it, for messages
    std::string targetPath_;    // the regular file replaced at Commit
    std::string temporaryPath_; // empty when writing directly
    std::FILE* file_ = nullptr;
    bool ownsFile_ = true;
    bool startsEmpty_ = true;
    std::error_code failure_;
    bool committed_ = false;
};

} // namespace Conversion
