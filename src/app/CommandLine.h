#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace CommandLine {

enum ExitStatus { kConverted = 0, kFailed = 1, kUsageError = 2 };

// kestrel-to-adif [--adif3 | --adx] [--append | --replace] [-o FILE] LOG...
// kestrel-to-adif --check LOG...
// `arguments` excludes the program name. ADIF written to standard output
// goes to `out`; messages go to `out` and `err`.
int Run(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);

// Record bytes made fit for a terminal: Latin-1 text as UTF-8, control
// bytes as \xNN.
std::string TerminalText(const std::string& bytes);
// The same appended to `text`.
void AppendTerminalText(std::string& text, std::string_view bytes);
// The same written at `out`, which has room for MostTerminalText(bytes)
// bytes; returns its end.
char* WriteTerminalText(char* out, std::string_view bytes);
std::size_t MostTerminalText(std::string_view bytes);

// A message naming files made fit for a terminal, so that no name can end a
// line or send the terminal a command: UTF-8 as it is, control characters
// and bytes that are not UTF-8 as \xNN.
std::string TerminalName(const std::string& text);

} // namespace CommandLine
