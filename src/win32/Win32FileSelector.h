#pragma once

#include "command/ConversionServices.h"

#include <system_error>
#include <windows.h>

namespace Win32 {

// The errors CommDlgExtendedError reports (CDERR_*, FNERR_*), which are not
// system error codes.
const std::error_category& CommonDialogCategory() noexcept;

// The Open dialog of the Convert command, the system's own.
class Win32FileSelector : public Conversion::FileSelector
{
public:
    // Without an owner the dialog stands alone and blocks no window.
    explicit Win32FileSelector(HWND owner = nullptr) : owner_(owner) {}

    void SetOwner(HWND owner) { owner_ = owner; }

    // Throws std::system_error (CommonDialogCategory) when the dialog fails.
    std::optional<std::string> ShowOpen(const Conversion::OpenDialogOptions& options) override;

private:
    HWND owner_;
};

} // namespace Win32
