#pragma once

#include "adif/AdifForm.h"
#include "command/ConversionServices.h"

#include <string>
#include <string_view>

// What the window keeps per user besides the Convert command's LogDirectory,
// written down once for every toolkit: the key it uses under the product
// name, and how its stored text reads.
namespace Conversion::WindowSettings {

// Whether the window writes standard ADIF 3, stored as "1", or as "0" for the
// classic form.
inline constexpr std::string_view kStandardAdif3 = "StandardAdif3";

// The callsign of the user's station that standard conversions write, in
// upper case; empty for none.
inline constexpr std::string_view kStationCallsign = "StationCallsign";

// The form a stored text stands for. Only "1" means standard: anything else,
// a missing or damaged value too, keeps the classic default, so that no stray
// text changes what is written.
AdifForm FormOfStoredText(std::string_view stored);

// "1" for the standard form, "0" otherwise.
std::string_view StoredTextOf(AdifForm form);

// The window's form as the user last chose it, and the choice kept.
AdifForm LoadForm(SettingsStore& settings);
void SaveForm(SettingsStore& settings, AdifForm form);

// The station callsign as last chosen; none when nothing is stored or what is
// stored is not a callsign, so that a damaged value is never written.
std::string LoadStationCallsign(SettingsStore& settings);
void SaveStationCallsign(SettingsStore& settings, const std::string& callsign);

} // namespace Conversion::WindowSettings
