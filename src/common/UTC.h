#pragma once

#include <cstdint>
#include <functional>

// The program's date-time value: days since 30 December 1899 00:00, the time
// of day as the fraction (1 January 2000 00:00 is 36526.0).
namespace UTC {

// The operating system's broken-down UTC time.
struct SystemTime
{
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

using SystemTimeSource = std::function<SystemTime()>;

// Where CurrentTime reads the clock; an empty source restores the system clock.
void SetSystemTimeSource(SystemTimeSource source);

// The system clock, broken down in UTC (never local time).
SystemTime ReadSystemTime();

bool IsLeapYear(int year);

// The days of `month` (1 to 12) of `year`.
int DaysInMonth(int month, int year);

// Days of the month before `month` (what stepping into `month` adds); 0 for
// January and for months outside 1 to 12.
std::int16_t MonthDays(std::int16_t month, bool leapYear);

// Now, in UTC, to the second. 0 when the clock cannot be read.
double CurrentTime() noexcept;

} // namespace UTC
