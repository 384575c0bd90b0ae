#pragma once

#include <string>

namespace Common {

// "dd-mmm-yyyy hh:nn:ss" for a date-time value (days since 30 December 1899),
// rounded to the nearest whole second. mmm is the abbreviated month name of
// the user's locale (LC_TIME), as single-byte Latin-1 text.
std::string FormatDateTime(double value);

// "YYYYMMDD HHMMSS" for a date-time value, rounded to the nearest second:
// ADIF's time stamp.
std::string FormatTimestamp(double value);

// The locale's abbreviated name of `month` (1 to 12) as Latin-1 text;
// characters Latin-1 cannot hold become '?'.
std::string MonthAbbreviation(int month);

} // namespace Common
