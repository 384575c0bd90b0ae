#include "common/LocaleInfo.h"

#include "common/ProgramError.h"

#include <string_view>

namespace LocaleInfo {

namespace {

std::unique_ptr<LocaleQueries>& InstalledQueries()
{
    static std::unique_ptr<LocaleQueries> queries;
    return queries;
}

std::string UserLocaleItem(std::string_view location, std::int32_t item) noexcept
{
    std::string result;
    Common::ReportFailures(location, [&] {
        LocaleQueries* queries = InstalledQueries().get();
        if (queries == nullptr)
            return;
        const std::string locale = queries->UserLocale();
        // No user locale: nothing to ask about.
        if (!locale.empty())
            result = GetUserLocaleInfo(locale, item);
    });
    return result;
}

} // namespace

void SetLocaleQueries(std::unique_ptr<LocaleQueries> queries)
{
    InstalledQueries() = std::move(queries);
}

std::string GetLocaleLanguage() noexcept
{
    return UserLocaleItem("LocaleInfo.GetLocaleLanguage", kLanguageName);
}

std::string GetLocaleCountry() noexcept
{
    return UserLocaleItem("LocaleInfo.GetLocaleCountry", kCountryName);
}

std::string GetUserLocaleInfo(const std::string& locale, std::int32_t item) noexcept
{
    std::string result;
    Common::ReportFailures("LocaleInfo.GetUserLocaleInfo", [&] {
        LocaleQueries* queries = InstalledQueries().get();
        if (queries == nullptr)
            return;
        // An item the provider cannot give is not a failure, just no text.
        if (std::optional<std::string> text = queries->LocaleItem(locale, item))
            result = std::move(*text);
    });
    return result;
}

} // namespace LocaleInfo
