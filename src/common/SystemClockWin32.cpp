#include "common/UTC.h"

#include <windows.h>

namespace UTC {

SystemTime ReadSystemTime()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    return {now.wYear,   now.wMonth,  now.wDay,         now.wHour,
            now.wMinute, now.wSecond, now.wMilliseconds};
}

} // namespace UTC
