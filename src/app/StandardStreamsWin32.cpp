#include "app/StandardStreams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

void PrepareStandardStreams() noexcept
{
    _setmode(_fileno(stdout), _O_BINARY);
}
