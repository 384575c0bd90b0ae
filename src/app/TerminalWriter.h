#pragma once

#include <cstdio>
#include <string_view>

// Writes UTF-8 text to a standard stream: as it is to a file or a pipe; to a
// Windows console as the characters it stands for, which the console's own
// code page could not show.
namespace CommandLine {

// False, with errno set, when the text could not be written.
bool WriteText(std::FILE* stream, std::string_view text);

} // namespace CommandLine
