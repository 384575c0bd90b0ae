#include "CommandLine.h"
#include "ErrorLogStartup.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // The user's locale names the months of the ADIF header's time stamp.
    std::setlocale(LC_ALL, "");
    Platform::StartErrorLogging(argc > 0 ? argv[0] : nullptr);
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return CommandLine::Run(arguments, stdout, stderr);
}
