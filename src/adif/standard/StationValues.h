#pragma once

#include <optional>
#include <string>
#include <string_view>

// The station's own callsign and locator as a user gives them (on the command
// line, in the window's dialog, on the page), in the form the standard records
// carry them.
namespace Conversion {

// A callsign in any case, written in upper case; nothing when it is not one
// that Logbook of the World accepts.
std::optional<std::string> StationCallsign(std::string_view given);

// A Maidenhead locator in any case, written as locators are: the field's
// letters in upper case, the subsquare's in lower case (FN42ab); nothing when
// it is not a locator.
std::optional<std::string> StationGridSquare(std::string_view given);

// What is wrong with a value that either refuses.
inline constexpr std::string_view kNotACallsign = "not a callsign";
inline constexpr std::string_view kNotALocator = "not a Maidenhead locator";

} // namespace Conversion
