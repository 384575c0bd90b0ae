#pragma once

#include "common/LocaleInfo.h"
#include "common/SystemInfo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Platform {

// Locale names from ICU: the language and the country of a locale, each named in that
// locale's own language ("Deutsch" and "Deutschland" for de_DE), as Latin-1 text. Linux only:
// Windows names them itself.
class IcuLocaleQueries final : public LocaleInfo::LocaleQueries
{
public:
    // The user's locale is read from `environment`.
    explicit IcuLocaleQueries(Common::EnvironmentReader environment = Common::ProcessEnvironment());

    std::string UserLocale() override;
    std::optional<std::string> LocaleItem(const std::string& locale, std::int32_t item) override;

private:
    Common::EnvironmentReader environment_;
};

// The locale that names the language of messages, picked as the C library does: the first of
// LC_ALL, LC_MESSAGES and LANG that is set and not empty. The empty text when none is, and
// for the C and POSIX locales.
std::string UserLocaleFromEnvironment(const Common::EnvironmentReader& environment);

// ICU's identifier for a POSIX locale name: the codeset and modifier are dropped except for a
// script modifier ("de_DE.UTF-8@euro" gives "de_DE", "sr_RS@latin" gives "sr_Latn_RS").
std::string IcuLocaleId(std::string_view localeName);

} // namespace Platform
