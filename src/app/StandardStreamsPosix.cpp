#include "app/StandardStreams.h"

#include <cerrno>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

void PrepareStandardStreams() noexcept
{
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // Opened the other way round: the output streams read-only, so that a
        // write fails (EBADF), and the input write-only.
        const int standIn =
            open("/dev/null", (stream == STDIN_FILENO ? O_WRONLY : O_RDONLY) | O_NOCTTY);
        if (standIn >= 0 && standIn != stream)
            close(standIn); // not this stream's number: a lower one could not be held
    }
}
