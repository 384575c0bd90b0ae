#include "app/CommandLine.h"
#include "app/ProgramArguments.h"
#include "app/StandardStreams.h"
#include "files/InterruptCleanup.h"
#include "platform/ErrorLogStartup.h"

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
