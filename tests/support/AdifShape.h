#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace AdifShape {

// What one conversion of a log produced.
struct Conversion
{
    std::string adif;                             // the whole ADIF text written
    std::vector<std::string> illegalYearMessages; // in the order they were shown
    std::uint64_t qsoCount = 0;
    std::uint64_t ignoredBytes = 0;
};

// Checks what a conversion of `log` into a new ADIF text promises, whatever
// the log's bytes: the four header lines; then one line per record written,
// each field "<NAME:LENGTH>VALUE " with LENGTH the value's byte count and no
// "<" in the value, the fields in their fixed order from QSO_DATE on, the line
// ended by "<EOR>" and CR LF; as many lines as the count; every complete
// record either written or quoted, 60 bytes exactly, in an illegal-year
// message; the bytes left over ignored. Returns how the first broken promise
// was broken, or the empty text when all hold.
std::string FindBrokenPromise(std::string_view log, const Conversion& conversion);

} // namespace AdifShape
