#include "platform/IcuLocaleQueries.h"

#include "common/LocaleInfo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using TestSupport::EnvironmentOf;

TEST(IcuLocaleQueries, NamesInLocalesOwnLanguageAsLatin1)
{
    const struct
    {
        const char* locale;
        const char* language;
        const char* country;
    } cases[] = {
        {"de_DE.UTF-8", "Deutsch", "Deutschland"},
        {"en_US.UTF-8", "English", "United States"},
        {"fr_FR.UTF-8@euro", "fran\347ais", "France"},
        {"sr_RS@latin", "srpski", "Srbija"},
        {"ja_JP", "???", "??"}, // one '?' for each character beyond Latin-1
        {"de", "Deutsch", ""},
        {"xx_YY", "", ""}, // codes ICU has no names for
        {"C", "", ""},
        {"C.UTF-8", "", ""},
        {"POSIX", "", ""},
        {"", "", ""},
    };
    Platform::IcuLocaleQueries queries;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(queries.LocaleItem(c.locale, LocaleInfo::kLanguageName).value_or(""), c.language);
        EXPECT_EQ(queries.LocaleItem(c.locale, LocaleInfo::kCountryName).value_or(""), c.country);
    }
    for (const std::int32_t item : {-1, 0, 3, 7})
        EXPECT_FALSE(queries.LocaleItem("de_DE", item)) << item;
}

TEST(IcuLocaleQueries, UserLocaleIsTheLocaleOfMessages)
{
    const std::pair<std::map<std::string, std::string>, const char*> cases[] = {
        {{{"LC_ALL", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_US"}, {"LANG", "fr_FR"}}, "de_DE.UTF-8"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "en_US"}, {"LANG", "fr_FR"}}, "en_US"},
        {{{"LC_CTYPE", "de_DE"}, {"LANG", "fr_FR"}}, "fr_FR"},
        {{{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, ""},
        {{{"LANG", "C.UTF-8"}}, ""},
        {{}, ""},
    };
    for (const auto& [environment, expected] : cases)
        EXPECT_EQ(Platform::UserLocaleFromEnvironment(EnvironmentOf(environment)), expected);

    LocaleInfo::SetLocaleQueries(
        std::make_unique<Platform::IcuLocaleQueries>(EnvironmentOf({{"LANG", "de_DE.UTF-8"}})));
    EXPECT_EQ(LocaleInfo::GetLocaleCountry(), "Deutschland");
    LocaleInfo::SetLocaleQueries(nullptr);
}

} // namespace
