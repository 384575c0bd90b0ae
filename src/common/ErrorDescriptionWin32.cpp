#include "common/ErrorNumbers.h"

#include <cstring>

namespace Common {

// The C runtime's descriptions come in the system's single-byte code page,
// as the error log is written.
std::string ErrorDescription(std::int16_t number)
{
    return std::strerror(number);
}

} // namespace Common
