#pragma once

#include "command/ConversionServices.h"

#include <string>

namespace Win32 {

// Per-user settings where classic Windows programs keep theirs, so that a
// folder remembered by an earlier installation carries over:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>,
// one string value (REG_SZ) per key.
class RegistrySettingsStore : public Conversion::SettingsStore
{
public:
    // The default when the value is missing, is not a string or cannot be read.
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    // Creates the key as needed; throws std::system_error when it cannot write.
    void SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;

    // The key's path under HKEY_CURRENT_USER.
    static std::wstring KeyPath(const std::string& application, const std::string& section);
};

} // namespace Win32
