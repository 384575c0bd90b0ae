#include "platform/WindowsLocaleQueries.h"

#include "platform/SystemLocaleQueries.h"

#include <charconv>
#include <windows.h>

namespace Platform {

std::string WindowsLocaleQueries::UserLocale()
{
    const LCID locale = GetUserDefaultLCID();
    return locale == 0 ? std::string() : std::to_string(locale);
}

std::optional<std::string> WindowsLocaleQueries::LocaleItem(const std::string& locale,
                                                            std::int32_t item)
{
    LCID identifier = 0;
    const char* end = locale.data() + locale.size();
    if (std::from_chars(locale.data(), end, identifier).ptr != end || identifier == 0)
        return std::nullopt;
    // First the size the text needs, its NUL included; then the text.
    const int needed = GetLocaleInfoA(identifier, static_cast<LCTYPE>(item), nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(needed), ' ');
    const int written = GetLocaleInfoA(identifier, static_cast<LCTYPE>(item), text.data(), needed);
    if (written == 0)
        return std::nullopt;
    text.resize(static_cast<std::size_t>(written - 1));
    return text;
}

std::unique_ptr<LocaleInfo::LocaleQueries> SystemLocaleQueries()
{
    return std::make_unique<WindowsLocaleQueries>();
}

} // namespace Platform
