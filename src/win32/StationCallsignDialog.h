#pragma once

#include <functional>
#include <string>
#include <windows.h>

namespace Win32 {

// The small dialog that asks for the station callsign, offering `current`.
// OK hands the text typed to `take`; while `take` refuses it the dialog stays
// open with the text selected, so that the user can mend it. True when a text
// was taken, false when the user cancelled. What `take` throws is thrown once
// the dialog is closed.
bool AskStationCallsign(HWND owner, HINSTANCE instance, const std::string& current,
                        const std::function<bool(const std::string& entered)>& take);

} // namespace Win32
