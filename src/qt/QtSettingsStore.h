#pragma once

#include "command/ConversionServices.h"

#include <QString>

namespace Platform {

// Per-user settings through QSettings: organization `KestrelToADIF`, one file
// per application (on Linux ~/.config/KestrelToADIF/<application>.conf).
// QSettings::setPath moves them elsewhere.
class QtSettingsStore : public Conversion::SettingsStore
{
public:
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    void SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;

    static QString OrganizationName();
};

} // namespace Platform
