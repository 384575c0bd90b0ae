#pragma once

#include <string_view>

// The shapes of the values that standard ADIF 3 and its readers take, for
// the record's own values and for those a user gives.
namespace Conversion {

// What Logbook of the World accepts as a callsign, in upper case.
bool IsCallsign(std::string_view call);

// A Maidenhead locator of 2, 4, 6 or 8 characters, in any case: field
// letters A-R, square digits, subsquare letters A-X, extended square digits.
bool IsGridSquare(std::string_view grid);

} // namespace Conversion
