#include "ApplicationIdentity.h"
#include "CommandLine.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    std::setlocale(LC_ALL, "");
    Common::IdentifyRunningProgram(Common::RunningExecutablePath(argc > 0 ? argv[0] : ""));
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return CommandLine::Run(arguments, stdout, stderr);
}
