#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace CommandLine {

enum ExitStatus { kConverted = 0, kFailed = 1, kUsageError = 2 };

// kestrel-to-adif [--adif3 | --adx] [--append | --replace] [-o FILE] LOG...
// kestrel-to-adif --check LOG...
// kestrel-to-adif --stats [--json] LOG...
// `arguments` excludes the program name. ADIF written to standard output
// goes to `out`; messages go to `out` and `err`.
int Run(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);

} // namespace CommandLine
