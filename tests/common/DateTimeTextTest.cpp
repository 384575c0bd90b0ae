#include "common/DateTimeText.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr double kSecond = 1 / 86400.0;
constexpr double k1Jan2001 = 36892.0;

TEST(FormatDateTime, LayoutAndRoundingToTheSecond)
{
    const TestSupport::ScopedLocale locale("C");
    const std::pair<double, const char*> cases[] = {
        {0.0, "30-Dec-1899 00:00:00"},
        {36526.0, "01-Jan-2000 00:00:00"},
        {37875 + 18746 * kSecond, "11-Sep-2003 05:12:26"}, // not :25
        {38046.5, "29-Feb-2004 12:00:00"},
        {73110.0, "01-Mar-2100 00:00:00"},
        {36526 + 86399 * kSecond, "01-Jan-2000 23:59:59"},
        {36526.5 + 0.4 * kSecond, "01-Jan-2000 12:00:00"},
        {36526.5 + 0.6 * kSecond, "01-Jan-2000 12:00:01"},
        {36526 + 86399.6 * kSecond, "02-Jan-2000 00:00:00"}, // across midnight
        {36891 + 86399.6 * kSecond, "01-Jan-2001 00:00:00"}, // and a year end
        {36526 - 0.4 * kSecond, "01-Jan-2000 00:00:00"},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(testing::Message() << std::fixed << value);
        EXPECT_EQ(Common::FormatDateTime(value), expected);
    }
}

TEST(FormatDateTime, EnglishMonthAbbreviations)
{
    const TestSupport::ScopedLocale locale("C");
    const char* const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int daysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    for (int month = 0; month < 12; ++month) {
        SCOPED_TRACE(names[month]);
        const double first = k1Jan2001 + daysBefore[month];
        EXPECT_EQ(Common::FormatDateTime(first),
                  std::string("01-") + names[month] + "-2001 00:00:00");
        // The last second before it still belongs to the month before.
        EXPECT_EQ(Common::FormatDateTime(first - kSecond).substr(3, 3), names[(month + 11) % 12]);
    }
}

TEST(FormatDateTime, GermanMarchIsOneLatin1Byte)
{
    const TestSupport::ScopedLocale locale("de_DE.UTF-8");
    if (!locale.active)
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    EXPECT_EQ(Common::FormatDateTime(k1Jan2001 + 59), "01-M\xE4r-2001 00:00:00");
}

TEST(FormatTimestamp, AdifLayoutInWholeSeconds)
{
    EXPECT_EQ(Common::FormatTimestamp(37875 + 18746.0 / 86400), "20030911 051226");
    EXPECT_EQ(Common::FormatTimestamp(38046.5 - 0.4 / 86400), "20040229 120000"); // rounded
    EXPECT_EQ(Common::FormatTimestamp(k1Jan2001 - 1.0 / 86400), "20001231 235959");
}

} // namespace
