#include "common/ErrorNumbers.h"
#include "common/Latin1Text.h"

#include <cstring>
#include <langinfo.h>
#include <string_view>

namespace Common {

std::string ErrorDescription(std::int16_t number)
{
    const char* description = std::strerror(number);
    // Translated descriptions come in the locale's codeset; the error log is
    // single-byte text like everything else the program writes.
    if (std::string_view(nl_langinfo(CODESET)) == "UTF-8")
        return Latin1FromUtf8(description);
    return description;
}

} // namespace Common
