#include "UTC.h"

#include "ProgramError.h"

#include <chrono>

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

SystemTime ReadSystemTime()
{
    using namespace std::chrono;
    const auto now = floor<milliseconds>(system_clock::now());
    const auto today = floor<days>(now);
    const year_month_day date{today};
    const hh_mm_ss<milliseconds> time{now - today};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count()),
            static_cast<int>(time.subseconds().count())};
}

bool IsLeapYear(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
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
