#include "app/TerminalWriter.h"

#include <cerrno>

namespace CommandLine {

bool WriteText(std::FILE* stream, std::string_view text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stream) == text.size())
        return true;
    if (errno == 0)
        errno = EIO;
    return false;
}

} // namespace CommandLine
