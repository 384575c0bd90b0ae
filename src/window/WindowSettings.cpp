#include "window/WindowSettings.h"

#include "adif/standard/StationValues.h"
#include "common/ApplicationIdentity.h"

#include <string>

namespace Conversion::WindowSettings {

namespace {

constexpr std::string_view kStandardText = "1";
constexpr std::string_view kClassicText = "0";

} // namespace

AdifForm FormOfStoredText(std::string_view stored)
{
    return stored == kStandardText ? AdifForm::Standard : AdifForm::Classic;
}

std::string_view StoredTextOf(AdifForm form)
{
    return form == AdifForm::Standard ? kStandardText : kClassicText;
}

AdifForm LoadForm(SettingsStore& settings)
{
    return FormOfStoredText(
        settings.GetSetting(Common::Identity().productName, std::string(kSettingsSection),
                            std::string(kStandardAdif3), std::string(kClassicText)));
}

void SaveForm(SettingsStore& settings, AdifForm form)
{
    settings.SaveSetting(Common::Identity().productName, std::string(kSettingsSection),
                         std::string(kStandardAdif3), std::string(StoredTextOf(form)));
}

std::string LoadStationCallsign(SettingsStore& settings)
{
    const std::string stored =
        settings.GetSetting(Common::Identity().productName, std::string(kSettingsSection),
                            std::string(kStationCallsign), std::string());
    return StationCallsign(stored).value_or(std::string());
}

void SaveStationCallsign(SettingsStore& settings, const std::string& callsign)
{
    settings.SaveSetting(Common::Identity().productName, std::string(kSettingsSection),
                         std::string(kStationCallsign), callsign);
}

} // namespace Conversion::WindowSettings
