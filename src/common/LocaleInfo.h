#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The user's language and country, named as the user's own locale names them ("Deutsch" and
// "Deutschland" for de_DE). The names come from a library the core does not link: each
// program installs a LocaleQueries provider at start-up. Without one every query gives the
// empty text.
namespace LocaleInfo {

// Item codes of GetUserLocaleInfo.
inline constexpr std::int32_t kLanguageName = 2;
inline constexpr std::int32_t kCountryName = 6;

class LocaleQueries
{
public:
    virtual ~LocaleQueries() = default;

    // The user's locale identifier as text (on Linux a POSIX name such as "de_DE.UTF-8");
    // the empty text when none is set and for the C and POSIX locales.
    virtual std::string UserLocale() = 0;

    // The text of `item` (kLanguageName, kCountryName) for `locale`, as single-byte Latin-1
    // text; nothing when the item is unknown or the locale has no such item.
    virtual std::optional<std::string> LocaleItem(const std::string& locale, std::int32_t item) = 0;
};

// Installs the provider every query uses from then on; nullptr removes it.
void SetLocaleQueries(std::unique_ptr<LocaleQueries> queries);

// The user locale's language name, or the empty text.
std::string GetLocaleLanguage() noexcept;

// The user locale's country name, or the empty text.
std::string GetLocaleCountry() noexcept;

// The text of `item` for `locale`. The locale is named by its identifier as text, as
// LocaleQueries::UserLocale gives it, since that is how Linux names locales. An item the
// provider does not know, a failing query and a missing provider all give the empty text.
std::string GetUserLocaleInfo(const std::string& locale, std::int32_t item) noexcept;

} // namespace LocaleInfo
