#include "win32/StationCallsignDialog.h"

#include "common/WideText.h"
#include "files/Win32Support.h"
#include "win32/Resource.h"
#include "window/WindowLayout.h"

#include <exception>
#include <system_error>

namespace Win32 {

namespace {

namespace Layout = Conversion::WindowLayout;

struct DialogState
{
    const std::string& current;
    const std::function<bool(const std::string&)>& take;
    // Kept to be thrown after the dialog, never through the system's frames.
    std::exception_ptr failure;
};

std::string EnteredText(HWND dialog)
{
    HWND edit = GetDlgItem(dialog, KESTREL_IDC_STATION_CALLSIGN);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Common::Utf8FromWide(text);
}

void Take(HWND dialog, DialogState& state)
{
    // The message that refuses a text belongs to the window behind: meanwhile
    // the dialog takes no second OK.
    EnableWindow(dialog, FALSE);
    bool taken = false;
    try {
        taken = state.take(EnteredText(dialog));
    } catch (...) {
        state.failure = std::current_exception();
    }
    EnableWindow(dialog, TRUE);
    if (taken || state.failure) {
        EndDialog(dialog, taken ? IDOK : IDCANCEL);
        return;
    }
    HWND edit = GetDlgItem(dialog, KESTREL_IDC_STATION_CALLSIGN);
    SetActiveWindow(dialog);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        state = reinterpret_cast<DialogState*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetWindowTextW(dialog, Common::WideFromUtf8(Layout::kStationCallsignTitle).c_str());
        SetDlgItemTextW(dialog, KESTREL_IDC_STATION_PROMPT,
                        Common::WideFromUtf8(Layout::kStationCallsignPrompt).c_str());
        SetDlgItemTextW(dialog, KESTREL_IDC_STATION_CALLSIGN,
                        Common::WideFromUtf8(state->current).c_str());
        SendDlgItemMessageW(dialog, KESTREL_IDC_STATION_CALLSIGN, EM_SETSEL, 0, -1);
        // The focus goes to the first control that takes it, the edit control.
        return TRUE;
    case WM_COMMAND:
        if (state == nullptr)
            return FALSE;
        if (LOWORD(wParam) == IDOK) {
            Take(dialog, *state);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

bool AskStationCallsign(HWND owner, HINSTANCE instance, const std::string& current,
                        const std::function<bool(const std::string& entered)>& take)
{
    DialogState state{current, take, nullptr};
    const INT_PTR result =
        DialogBoxParamW(instance, MAKEINTRESOURCEW(KESTREL_IDD_STATION_CALLSIGN), owner,
                        &DialogProcedure, reinterpret_cast<LPARAM>(&state));
    if (state.failure)
        std::rethrow_exception(state.failure);
    if (result == -1)
        throw std::system_error(Conversion::Win32::LastError(), "DialogBoxParamW");
    return result == IDOK;
}

} // namespace Win32
