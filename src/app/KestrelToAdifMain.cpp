#include "CommandLine.h"
#include "ErrorLogStartup.h"
#include "InterruptCleanup.h"
#include "ProgramArguments.h"
#include "StandardStreams.h"

#include <clocale>
#include <cstdio>

int main(int argc, char* argv[])
{
    PrepareStandardStreams();
    // The user's locale names the months of the ADIF header's time stamp.
    (void)std::setlocale(LC_ALL, "");
    Platform::StartErrorLogging(argc > 0 ? argv[0] : nullptr);
    Conversion::RemoveTemporaryFileOnInterrupt();
    return CommandLine::Run(ProgramArguments(argc, argv), stdout, stderr);
}
