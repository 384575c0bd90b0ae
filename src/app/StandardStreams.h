#pragma once

// The programs call this first thing, so that what they write to the
// standard streams arrives as written and nowhere else:
//   POSIX    a program started with standard input, output or error closed
//            would hand those numbers to the first files it opens, and a
//            message meant for the terminal would land in the ADIF file; each
//            closed stream is held by a stand-in that takes no writes, so that
//            writing to it still fails as it should.
//   Windows  standard output carries ADIF bytes, whose lines end in CR LF
//            already: the C runtime must not add a CR of its own.
void PrepareStandardStreams() noexcept;
