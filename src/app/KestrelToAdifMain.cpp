#include "CommandLine.h"
#include "ErrorLogStartup.h"
#include "InterruptCleanup.h"
#include "StandardStreams.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[])
{
    Conversion::ReserveClosedStandardStreams();
    // The user's locale names the months of the ADIF header's time stamp.
    std::setlocale(LC_ALL, "");
    Platform::StartErrorLogging(argc > 0 ? argv[0] : nullptr);
    Conversion::RemoveTemporaryFileOnInterrupt();
#ifdef _WIN32
    // ADIF lines end in CR LF already; a text-mode stream would double the CR.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return CommandLine::Run(arguments, stdout, stderr);
}
