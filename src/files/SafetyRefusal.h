#pragma once

#include <system_error>

// What a conversion refuses because going on could lose data, though no
// system call failed. Each is told in words of its own and reported to the
// error log as the nearest of the system's numbers.
namespace Conversion {

enum class SafetyRefusal {
    BlockDevice = 1,  // the ADIF path is a disk or a partition
    AppendOnlyFolder, // the folder lets files be created but not renamed or removed
    LogChanged,       // the log was written to while it was converted
    NotPlainFile,     // a report's path holds a link, a folder, a device or a pipe
};

std::error_code make_error_code(SafetyRefusal refusal) noexcept;

} // namespace Conversion

template <> struct std::is_error_code_enum<Conversion::SafetyRefusal> : std::true_type
{
};
