#include "platform/IcuLocaleQueries.h"

#include "common/Latin1Text.h"
#include "platform/SystemLocaleQueries.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <utility>

namespace Platform {

namespace {

// The part of a POSIX locale name before its codeset and modifier.
std::string_view BaseName(std::string_view localeName)
{
    return localeName.substr(0, localeName.find_first_of(".@"));
}

bool IsCOrPosix(std::string_view localeName)
{
    const std::string_view base = BaseName(localeName);
    return base == "C" || base == "POSIX";
}

// glibc writes a locale's script as a modifier; ICU as a part of the name.
std::string_view ScriptOfModifier(std::string_view modifier)
{
    if (modifier == "latin")
        return "Latn";
    if (modifier == "cyrillic")
        return "Cyrl";
    if (modifier == "devanagari")
        return "Deva";
    return {};
}

} // namespace

IcuLocaleQueries::IcuLocaleQueries(Common::EnvironmentReader environment)
    : environment_(std::move(environment))
{
}

std::string IcuLocaleQueries::UserLocale()
{
    return UserLocaleFromEnvironment(environment_);
}

std::optional<std::string> IcuLocaleQueries::LocaleItem(const std::string& locale,
                                                        std::int32_t item)
{
    const std::string id = IcuLocaleId(locale);
    if (id.empty() || IsCOrPosix(locale))
        return std::nullopt;
    const icu::Locale icuLocale(id.c_str());
    if (icuLocale.isBogus())
        return std::nullopt;

    icu::UnicodeString name;
    const char* code = nullptr;
    switch (item) {
    case LocaleInfo::kLanguageName:
        code = icuLocale.getLanguage();
        icuLocale.getDisplayLanguage(icuLocale, name);
        break;
    case LocaleInfo::kCountryName:
        code = icuLocale.getCountry();
        icuLocale.getDisplayCountry(icuLocale, name);
        break;
    default:
        return std::nullopt;
    }
    // ICU hands back the code itself when it has no name for it.
    if (*code == '\0' || name.length() == 0 ||
        name.caseCompare(icu::UnicodeString(code, -1, US_INV), U_FOLD_CASE_DEFAULT) == 0)
        return std::nullopt;
    std::string utf8;
    return Common::Latin1FromUtf8(name.toUTF8String(utf8));
}

std::string UserLocaleFromEnvironment(const Common::EnvironmentReader& environment)
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::optional<std::string> value = environment(variable);
        if (value && !value->empty())
            return IsCOrPosix(*value) ? std::string() : *value;
    }
    return {};
}

std::string IcuLocaleId(std::string_view localeName)
{
    std::string base(BaseName(localeName));
    const std::size_t at = localeName.find('@');
    const std::string_view script = at == std::string_view::npos
                                        ? std::string_view()
                                        : ScriptOfModifier(localeName.substr(at + 1));
    if (script.empty())
        return base;
    const std::size_t territory = base.find_first_of("_-");
    if (territory == std::string::npos)
        return base + "_" + std::string(script);
    return base.substr(0, territory) + "_" + std::string(script) + base.substr(territory);
}

std::unique_ptr<LocaleInfo::LocaleQueries> SystemLocaleQueries()
{
    return std::make_unique<IcuLocaleQueries>();
}

} // namespace Platform
