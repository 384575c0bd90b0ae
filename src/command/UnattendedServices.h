#pragma once

#include "command/ConversionServices.h"

#include <optional>
#include <string>

namespace Conversion {

// For conversions nobody watches, whose logs are chosen by name: no Open
// dialog ever appears.
class NoFileSelector final : public FileSelector
{
public:
    std::optional<std::string> ShowOpen(const OpenDialogOptions&) override { return std::nullopt; }
};

// Nothing is kept for the next run, and the window's remembered folder stays
// as it was.
class NoSettings final : public SettingsStore
{
public:
    std::string GetSetting(const std::string&, const std::string&, const std::string&,
                           const std::string& defaultValue) override
    {
        return defaultValue;
    }
    void SaveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override
    {
    }
};

} // namespace Conversion
