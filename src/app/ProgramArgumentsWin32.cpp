#include "app/ProgramArguments.h"
#include "common/WideText.h"

// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

std::vector<std::string> ProgramArguments(int, char*[])
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i)
        arguments.push_back(Common::Utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}
