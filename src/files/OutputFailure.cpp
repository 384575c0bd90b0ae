#include "files/OutputFailure.h"

#include "files/ExportConflict.h"
#include "files/SafetyRefusal.h"

#include <algorithm>
#include <array>

namespace Conversion {

bool IsRefusal(const std::system_error& failure)
{
    const std::error_code code = failure.code();
    if (code.category() == make_error_code(SafetyRefusal::LogChanged).category() ||
        code.category() == make_error_code(ExportConflict::Changed).category())
        return true;
    // Only the output's own failures: a log that cannot be read stays a failure.
    if (dynamic_cast<const OutputFailure*>(&failure) == nullptr)
        return false;
    // What the system says of a name that cannot be written, before anything is.
    static constexpr std::array kRefusedNames = {
        std::errc::permission_denied,
        std::errc::operation_not_permitted,
        std::errc::read_only_file_system,
        std::errc::is_a_directory,
        std::errc::not_a_directory,
        std::errc::no_such_file_or_directory,
        std::errc::filename_too_long,
        std::errc::too_many_symbolic_link_levels,
        std::errc::no_such_device_or_address,
        std::errc::no_such_device,
        std::errc::text_file_busy,
    };
    return std::any_of(kRefusedNames.begin(), kRefusedNames.end(),
                       [&](std::errc refused) { return code == refused; });
}

} // namespace Conversion
