#include "win32/Win32MessageBoxes.h"

#include "common/ApplicationIdentity.h"
#include "common/WideText.h"

#include <algorithm>

namespace Win32 {

using Conversion::Answer;
using Conversion::MessageKind;

std::wstring Win32MessageBoxes::DisplayText(MessageKind kind, const std::string& text)
{
    if (kind != MessageKind::IllegalYear)
        return Common::WideFromUtf8(text);
    std::wstring shown = Common::WideFromWindows1252(text);
    std::replace(shown.begin(), shown.end(), L'\0', L' ');
    return shown;
}

int Win32MessageBoxes::Show(const std::wstring& text, UINT buttons) const
{
    const std::wstring title = Common::WideFromUtf8(Common::Identity().productName);
    // Task-modal when alone, so that no window of the program takes clicks meanwhile.
    const UINT modality = owner_ != nullptr ? MB_APPLMODAL : MB_TASKMODAL;
    return MessageBoxW(owner_, text.c_str(), title.c_str(), buttons | modality);
}

void Win32MessageBoxes::ShowMessage(MessageKind kind, const std::string& text)
{
    Show(DisplayText(kind, text), MB_OK);
}

Answer Win32MessageBoxes::AskYesNoCancel(const std::string& text)
{
    // Closing the box any other way than Yes or No leaves everything as it is.
    switch (Show(DisplayText(MessageKind::Refused, text), MB_YESNOCANCEL | MB_DEFBUTTON1)) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace Win32
