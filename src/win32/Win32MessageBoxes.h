#pragma once

#include "command/ConversionServices.h"

#include <string>
#include <windows.h>

namespace Win32 {

// Modal message boxes titled with the product name, without icons.
class Win32MessageBoxes : public Conversion::MessageBoxes
{
public:
    // Without an owner a box blocks every window of the thread.
    explicit Win32MessageBoxes(HWND owner = nullptr) : owner_(owner) {}

    void SetOwner(HWND owner) { owner_ = owner; }

    void ShowMessage(Conversion::MessageKind kind, const std::string& text) override;
    Conversion::Answer AskYesNoCancel(const std::string& text) override;

    // The text as shown: record bytes are Windows-1252 characters, with each
    // NUL (which would end the text) shown as a space; every other message is
    // UTF-8.
    static std::wstring DisplayText(Conversion::MessageKind kind, const std::string& text);

private:
    int Show(const std::wstring& text, UINT buttons) const;

    HWND owner_;
};

} // namespace Win32
