#include "common/UTC.h"

#include "common/ProgramError.h"

#include <array>
#include <utility>

namespace UTC {

namespace {

SystemTimeSource& ActiveSource()
{
    static SystemTimeSource source;
    return source;
}

constexpr double kDaysTo31December1999 = 36525.0;
constexpr double kSecondsPerDay = 86400.0;

} // namespace

void SetSystemTimeSource(SystemTimeSource source)
{
    ActiveSource() = std::move(source);
}

bool IsLeapYear(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int DaysInMonth(int month, int year)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::int16_t MonthDays(std::int16_t month, bool leapYear)
{
    switch (month) {
    case 2:
    case 4:
    case 6:
    case 8:
    case 9:
    case 11:
        return 31;
    case 3:
        return leapYear ? 29 : 28;
    case 5:
    case 7:
    case 10:
    case 12:
        return 30;
    default: // January adds nothing; anything else is no month
        return 0;
    }
}

double CurrentTime() noexcept
{
    double result = 0.0;
    Common::ReportFailures("UTC.CurrentTime", [&] {
        const SystemTime now = ActiveSource() ? ActiveSource()() : ReadSystemTime();
        double days = kDaysTo31December1999;
        for (int year = 2000; year < now.year; ++year)
            days += IsLeapYear(year) ? 366 : 365;
        const bool leap = IsLeapYear(now.year);
        for (int month = 1; month <= now.month; ++month)
            days += MonthDays(static_cast<std::int16_t>(month), leap);
        days += now.day;
        // Milliseconds are dropped: the value is to the second.
        const double seconds = now.hour * 3600.0 + now.minute * 60 + now.second;
        result = days + seconds / kSecondsPerDay;
    });
    return result;
}

} // namespace UTC
