#include "common/ProgramError.h"

#include "common/ErrorLog.h"

#include <string>

namespace Common {

void ProgramError(std::int16_t number, std::string_view location) noexcept
{
    try {
        std::string message = "program error ";
        message += std::to_string(number);
        message += " in module ";
        message += location;
        message += ": ";
        message += ErrorDescription(number);
        LogError(message);
    } catch (...) {
        // Nowhere left to report to.
    }
}

} // namespace Common
