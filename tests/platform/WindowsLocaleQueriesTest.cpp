#include "platform/WindowsLocaleQueries.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

// Windows names them in the language of its own user interface: what the
// names are depends on the machine, that they are there and differ does not.
TEST(WindowsLocaleQueries, NamesComeFromTheSystemForTheIdentifierGiven)
{
    Platform::WindowsLocaleQueries queries;
    const auto identifier = [](WORD language, WORD country) {
        return std::to_string(MAKELCID(MAKELANGID(language, country), SORT_DEFAULT));
    };
    const std::string german = identifier(LANG_GERMAN, SUBLANG_GERMAN);
    const std::string french = identifier(LANG_FRENCH, SUBLANG_FRENCH);
    for (const std::int32_t item : {LocaleInfo::kLanguageName, LocaleInfo::kCountryName}) {
        const std::string inGerman = queries.LocaleItem(german, item).value_or("");
        EXPECT_FALSE(inGerman.empty()) << item;
        EXPECT_NE(inGerman, queries.LocaleItem(french, item).value_or("")) << item;
        // The text alone, without the NUL that ends it in the buffer.
        EXPECT_EQ(inGerman.find('\0'), std::string::npos);
    }
    // No locale, a text that is no identifier, an item Windows does not know.
    for (const std::string locale : {"", "0", "de_DE", "1031x"})
        EXPECT_FALSE(queries.LocaleItem(locale, LocaleInfo::kLanguageName)) << locale;
    EXPECT_FALSE(queries.LocaleItem(german, 0x7FFFFFF0));
}

TEST(WindowsLocaleQueries, TheUserLocaleIsTheDefaultIdentifierInDecimal)
{
    Platform::WindowsLocaleQueries queries;
    const LCID user = GetUserDefaultLCID();
    EXPECT_EQ(queries.UserLocale(), user == 0 ? std::string() : std::to_string(user));
}

} // namespace
