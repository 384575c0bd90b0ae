#include "win32/Win32FileSelector.h"

#include "common/WideText.h"

#include <cderr.h>
#include <commdlg.h>
#include <string>

namespace Win32 {

namespace {

// Room for the longest path the system takes (\\?\ form included).
constexpr std::size_t kFileBufferLength = 32768;

class CommonDialogErrors : public std::error_category
{
public:
    const char* name() const noexcept override { return "common dialog"; }

    std::string message(int code) const override
    {
        switch (code) {
        case CDERR_MEMALLOCFAILURE:
            return "the Open dialog ran out of memory";
        case FNERR_BUFFERTOOSMALL:
            return "the chosen file name is too long";
        case FNERR_INVALIDFILENAME:
            return "the Open dialog was given an invalid file name";
        default: {
            char text[64];
            wsprintfA(text, "the Open dialog failed (error 0x%04X)", static_cast<unsigned>(code));
            return text;
        }
        }
    }

    // So that the error log gives these the nearest C library number.
    std::error_condition default_error_condition(int code) const noexcept override
    {
        switch (code) {
        case CDERR_MEMALLOCFAILURE:
            return std::errc::not_enough_memory;
        case FNERR_BUFFERTOOSMALL:
            return std::errc::filename_too_long;
        case FNERR_INVALIDFILENAME:
            return std::errc::invalid_argument;
        default:
            return std::errc::io_error;
        }
    }
};

std::wstring WithoutLeadingDot(const std::string& extension)
{
    return Common::WideFromUtf8(extension.starts_with('.') ? extension.substr(1) : extension);
}

// Runs the dialog once; nothing when the user cancelled, and the dialog's
// error code through `error` when it failed.
std::optional<std::wstring> RunDialog(HWND owner, const Conversion::OpenDialogOptions& options,
                                      const std::wstring& fileName, DWORD& error)
{
    const std::wstring initDir = Common::WideFromUtf8(options.initDir);
    const std::wstring extension = WithoutLeadingDot(options.defaultExt);
    // Description and pattern, each ended by a NUL, the list by another.
    std::wstring filter = Common::WideFromUtf8(options.filterDescription);
    filter += L'\0';
    filter += Common::WideFromUtf8(options.filterPattern);
    filter += L'\0';

    std::wstring file(kFileBufferLength, L'\0');
    if (fileName.size() < file.size())
        file.replace(0, fileName.size(), fileName);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = initDir.empty() ? nullptr : initDir.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&dialog)) {
        error = 0;
        file.resize(file.find(L'\0'));
        return file;
    }
    error = CommDlgExtendedError();
    return std::nullopt;
}

} // namespace

const std::error_category& CommonDialogCategory() noexcept
{
    static const CommonDialogErrors category;
    return category;
}

std::optional<std::string> Win32FileSelector::ShowOpen(const Conversion::OpenDialogOptions& options)
{
    DWORD error = 0;
    const std::wstring previous = Common::WideFromUtf8(options.fileName);
    std::optional<std::wstring> chosen = RunDialog(owner_, options, previous, error);
    // A remembered choice the dialog will not take (its folder renamed to
    // something odd, say) must not keep the dialog from opening at all.
    if (!chosen && error == FNERR_INVALIDFILENAME && !previous.empty())
        chosen = RunDialog(owner_, options, {}, error);
    if (chosen)
        return Common::Utf8FromWide(*chosen);
    if (error != 0)
        throw std::system_error(static_cast<int>(error), CommonDialogCategory(),
                                "GetOpenFileNameW");
    return std::nullopt; // cancelled
}

} // namespace Win32
