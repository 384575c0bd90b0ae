#pragma once

#include <string>
#include <string_view>

// What reaches the terminal is made fit for it, so that no byte of a record
// and no file name can end a line early or send the terminal a command.
namespace CommandLine {

// Record bytes: Latin-1 text as UTF-8, control bytes as \xNN.
std::string TerminalText(std::string_view bytes);

// A message naming files: UTF-8 as it is, control characters and bytes that
// are not UTF-8 as \xNN.
std::string TerminalName(std::string_view text);

} // namespace CommandLine
