#pragma once

#include <functional>
#include <string>

// A conversion interrupted by a signal (Ctrl-C, a logout, kill) must not
// leave its temporary ADIF file behind. Conversions run one at a time, so one
// pending file is all there is to remember.
namespace Conversion {

// Installs the handlers for every signal that would end the program; the
// programs call it once at start-up. Signals that the program was told to
// ignore stay ignored. A file-size limit becomes a
// failed write instead of ending the program.
void RemoveTemporaryFileOnInterrupt();

// The temporary file the running conversion writes; the empty text once it
// is in place or removed.
void SetPendingTemporaryFile(const std::string& path) noexcept;

// Runs `work` with interrupts held back until it is done, so that a temporary
// file is never created without being known to the cleanup.
void WithInterruptsDeferred(const std::function<void()>& work);

} // namespace Conversion
