#include "common/DateTimeText.h"

#include "common/Latin1Text.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <cwchar>

namespace Common {

namespace {

constexpr long long kSecondsPerDay = 86400;

struct DateAndTime
{
    std::chrono::year_month_day date;
    long long secondOfDay;
};

DateAndTime BrokenDown(double value)
{
    using namespace std::chrono;
    // Whole seconds first, so that a value such as 37875 + 18746/86400 does
    // not come out one second short.
    const long long totalSeconds = std::llround(value * kSecondsPerDay);
    long long dayNumber = totalSeconds / kSecondsPerDay;
    long long secondOfDay = totalSeconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --dayNumber;
    }
    return {year_month_day{sys_days{1899y / December / 30} + days{dayNumber}}, secondOfDay};
}

} // namespace

std::string MonthAbbreviation(int month)
{
    std::tm date{};
    date.tm_mon = month - 1;
    wchar_t name[64];
    if (std::wcsftime(name, sizeof name / sizeof name[0], L"%b", &date) == 0)
        return {};
    std::string result;
    // wchar_t is signed on some platforms and unsigned on others.
    for (const wchar_t* c = name; *c != L'\0'; ++c)
        result += Latin1Character(static_cast<char32_t>(static_cast<std::uint32_t>(*c)));
    return result;
}

std::string FormatDateTime(double value)
{
    const DateAndTime moment = BrokenDown(value);
    const std::chrono::year_month_day& date = moment.date;
    const long long secondOfDay = moment.secondOfDay;

    char day[8];
    (void)std::snprintf(day, sizeof day, "%02u-", static_cast<unsigned>(date.day()));
    char yearAndTime[40];
    (void)std::snprintf(yearAndTime, sizeof yearAndTime, "-%04d %02lld:%02lld:%02lld",
                        static_cast<int>(date.year()), secondOfDay / 3600, secondOfDay / 60 % 60,
                        secondOfDay % 60);
    return day + MonthAbbreviation(static_cast<int>(static_cast<unsigned>(date.month()))) +
           yearAndTime;
}

std::string FormatTimestamp(double value)
{
    const DateAndTime moment = BrokenDown(value);
    const std::chrono::year_month_day& date = moment.date;
    const long long secondOfDay = moment.secondOfDay;
    char text[40];
    (void)std::snprintf(text, sizeof text, "%04d%02u%02u %02lld%02lld%02lld",
                        static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                        static_cast<unsigned>(date.day()), secondOfDay / 3600,
                        secondOfDay / 60 % 60, secondOfDay % 60);
    return text;
}

} // namespace Common
