#pragma once

#include "common/LocaleInfo.h"

#include <cstdint>
#include <optional>
#include <string>

namespace Platform {

// Locale names from Windows: the user's default locale identifier, and its
// items as GetLocaleInfoA gives them, in the system's single-byte code page.
// The identifier travels as decimal text; "" stands for none (LCID 0).
class WindowsLocaleQueries final : public LocaleInfo::LocaleQueries
{
public:
    std::string UserLocale() override;
    std::optional<std::string> LocaleItem(const std::string& locale, std::int32_t item) override;
};

} // namespace Platform
