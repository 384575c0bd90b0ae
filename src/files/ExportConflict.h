#pragma once

#include <system_error>

// Another program wrote the ADIF file while a conversion ran: the conversion
// fails and leaves that program's file as it is. Reported as EEXIST, the
// nearest of the system's numbers, and described in words of its own.
namespace Conversion {

enum class ExportConflict {
    Appeared = 1, // the file did not exist when the conversion began
    Changed,      // the file the user decided about is no longer as it was
};

std::error_code make_error_code(ExportConflict conflict) noexcept;

} // namespace Conversion

template <> struct std::is_error_code_enum<Conversion::ExportConflict> : std::true_type
{
};
