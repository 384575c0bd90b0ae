#include "app/TerminalWriter.h"
#include "common/WideText.h"

#include <cerrno>
#include <io.h>
#include <windows.h>

namespace CommandLine {

bool WriteText(std::FILE* stream, std::string_view text)
{
    auto* const handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    errno = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        // What the stream holds first, so that the order stays.
        (void)std::fflush(stream);
        const std::wstring wide = Common::WideFromUtf8(text);
        DWORD written = 0;
        if (WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                          nullptr) &&
            written == wide.size())
            return true;
    } else if (std::fwrite(text.data(), 1, text.size(), stream) == text.size()) {
        return true;
    }
    if (errno == 0)
        errno = EIO;
    return false;
}

} // namespace CommandLine
