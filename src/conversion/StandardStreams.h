#pragma once

// A program started with standard input, output or error closed would hand
// those numbers to the first files it opens, and a message meant for the
// terminal would land in the ADIF file. The programs call this first thing:
// each closed stream is held by a stand-in that takes no writes, so that
// writing to it still fails as it should.
namespace Conversion {

void ReserveClosedStandardStreams() noexcept;

} // namespace Conversion
