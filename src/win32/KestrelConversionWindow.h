#pragma once

#include "command/ConversionServices.h"
#include "window/WindowActions.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace Win32 {

// The main window drawn by Win32: one button, a system menu that ends with a
// checkable item, "Standard ADIF 3", and "Station callsign...", and logs
// dropped onto it; what each does is the window's own (WindowActions).
class KestrelConversion
{
public:
    // Creates the window, hidden, laid out for `dpi` dots per inch; throws
    // std::system_error when it cannot.
    KestrelConversion(Conversion::FileSelector& fileSelector, Conversion::MessageBoxes& messages,
                      Conversion::SettingsStore& settings,
                      HINSTANCE instance = GetModuleHandleW(nullptr), int dpi = SystemDpi());
    ~KestrelConversion();
    KestrelConversion(const KestrelConversion&) = delete;
    KestrelConversion& operator=(const KestrelConversion&) = delete;

    // Null once the window is destroyed.
    HWND Handle() const { return window_; }
    HWND ConvertCmd() const { return convertCmd_; }
    HWND ToolTip() const { return toolTip_; }

    // Shows the window and runs the thread's message loop until the window is
    // closed; returns the exit code.
    int Run(int showCommand);

    // What the message loop does first with each message: Enter and Space
    // press the button. True when the message was handled.
    bool PreTranslateMessage(MSG& message);

    // The dots per inch the window is laid out for unless told otherwise.
    static int SystemDpi();
    // A length of the layout (pixels at 96 dpi) at `dpi`.
    static int Scaled(int length, int dpi);

    // The log a drop carries: exactly one existing regular file, or nothing.
    static std::optional<std::string> DroppedLog(HDROP drop);

    void ConvertCmd_Click();
    // The menu item: switches the form of the next conversions and keeps the
    // choice; does nothing while a conversion runs.
    void StandardAdif3_Click();
    // The other item: the dialog, open until it takes a callsign or nothing,
    // or is cancelled; not while a conversion runs.
    void StationCallsign_Click();
    bool Converting() const { return actions_.Converting(); }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance, int dpi);
    void AddMenuItem();
    void OnDropFiles(HDROP drop);
    // A close asked for while a conversion ran happens once it is over.
    void OnConverting(bool converting);

    Conversion::WindowActions actions_;
    HWND window_ = nullptr;
    HWND convertCmd_ = nullptr;
    HWND toolTip_ = nullptr;
    HFONT font_ = nullptr;
    // Dropped logs waiting for their posted turn.
    std::deque<std::string> droppedLogs_;
    bool closeWhenDone_ = false;
    bool running_ = false;
};

} // namespace Win32
