#include "matching/ContactTime.h"

#include "common/UTC.h"

#include <algorithm>
#include <numeric>

namespace Matching {

namespace {

std::optional<int> Digits(std::string_view text)
{
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::accumulate(text.begin(), text.end(), 0,
                           [](int value, char c) { return value * 10 + (c - '0'); });
}

// Days from 1 January 1970 to the date, in the proleptic Gregorian calendar.
std::int64_t DaysFromEpoch(int year, int month, int day)
{
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = y / 400; // years are never negative here
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace

std::optional<std::int64_t> ContactSecond(std::string_view date, std::string_view time)
{
    if (date.size() != 8 || (time.size() != 4 && time.size() != 6))
        return std::nullopt;
    const std::optional<int> year = Digits(date.substr(0, 4));
    const std::optional<int> month = Digits(date.substr(4, 2));
    const std::optional<int> day = Digits(date.substr(6, 2));
    const std::optional<int> hour = Digits(time.substr(0, 2));
    const std::optional<int> minute = Digits(time.substr(2, 2));
    const std::optional<int> second = time.size() == 6 ? Digits(time.substr(4, 2)) : 0;
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > UTC::DaysInMonth(*month, *year) ||
        *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    const int secondOfDay = *hour * 3600 + *minute * 60 + *second;
    return DaysFromEpoch(*year, *month, *day) * kSecondsPerDay + secondOfDay;
}

} // namespace Matching
