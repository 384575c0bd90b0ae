#include "UTC.h"

#include "TestSupport.h"

#include <cerrno>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace {

using TestSupport::FixedClock;
using UTC::SystemTime;

TEST(MonthDays, DaysOfThePreviousMonth)
{
    struct Case
    {
        std::int16_t month;
        bool leap;
        std::int16_t days;
    };
    constexpr std::int16_t kMin = std::numeric_limits<std::int16_t>::min();
    constexpr std::int16_t kMax = std::numeric_limits<std::int16_t>::max();
    const Case cases[] = {
        {1, false, 0},  {1, true, 0},   {2, false, 31}, {3, true, 29},   {3, false, 28},
        {4, true, 31},  {5, false, 30}, {6, false, 31}, {7, true, 30},   {8, false, 31},
        {9, false, 31}, {10, true, 30}, {11, true, 31}, {12, false, 30}, {0, true, 0},
        {13, true, 0},  {-1, false, 0}, {-3, true, 0},  {kMin, true, 0}, {kMax, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "month " << c.month << (c.leap ? " leap" : ""));
        EXPECT_EQ(UTC::MonthDays(c.month, c.leap), c.days);
    }
}

TEST(CurrentTime, KnownInstants)
{
    const std::pair<SystemTime, double> cases[] = {
        {{2000, 1, 1, 0, 0, 0, 0}, 36526.0},
        {{2003, 9, 11, 5, 12, 26, 0}, 37875 + 18746 / 86400.0},
        {{2004, 2, 29, 12, 0, 0, 0}, 38046.5},
        {{2100, 3, 1, 0, 0, 0, 0}, 73110.0},
        {{2401, 1, 1, 0, 0, 0, 0}, 182989.0},
        // Milliseconds never count: the value is to the second.
        {{2000, 1, 1, 23, 59, 59, 999}, 36526 + 86399 / 86400.0},
    };
    for (const auto& [time, expected] : cases) {
        SCOPED_TRACE(testing::Message() << time.year << "-" << time.month << "-" << time.day);
        const FixedClock clock(time);
        EXPECT_DOUBLE_EQ(UTC::CurrentTime(), expected);
    }
}

TEST(CurrentTime, StepsAcrossMonthAndYearEnds)
{
    const auto dayNumber = [](int year, int month, int day) {
        const FixedClock clock(SystemTime{year, month, day, 0, 0, 0, 0});
        return UTC::CurrentTime();
    };
    struct Step
    {
        int year, month, day, nextYear, nextMonth, nextDay, days;
    };
    const Step steps[] = {
        {2100, 2, 28, 2100, 3, 1, 1}, // 2100 is not a leap year
        {2000, 2, 29, 2000, 3, 1, 1}, // 2000 is
        {2000, 2, 28, 2000, 3, 1, 2},  {2004, 2, 28, 2004, 3, 1, 2},  {2003, 2, 28, 2003, 3, 1, 1},
        {2000, 12, 31, 2001, 1, 1, 1}, {2003, 12, 31, 2004, 1, 1, 1}, {2004, 12, 31, 2005, 1, 1, 1},
        {2099, 12, 31, 2100, 1, 1, 1}, {2100, 12, 31, 2101, 1, 1, 1}, {2400, 12, 31, 2401, 1, 1, 1},
        {2000, 1, 1, 2001, 1, 1, 366}, {2100, 1, 1, 2101, 1, 1, 365},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.year << "-" << s.month << "-" << s.day);
        EXPECT_DOUBLE_EQ(dayNumber(s.nextYear, s.nextMonth, s.nextDay) -
                             dayNumber(s.year, s.month, s.day),
                         s.days);
    }
}

TEST(CurrentTime, UnreadableClockGivesZeroAndIsReported)
{
    const TestSupport::TempErrorLog log;
    // Only the first read fails, so that a log stamping its lines with the
    // clock can still write the report.
    bool failed = false;
    const FixedClock clock([&failed] {
        if (!std::exchange(failed, true))
            throw std::system_error(EIO, std::generic_category(), "clock");
        return SystemTime{2003, 9, 11, 5, 12, 26, 0};
    });
    EXPECT_EQ(UTC::CurrentTime(), 0.0);
    EXPECT_TRUE(TestSupport::HasReport(log.Contents(), EIO, "UTC.CurrentTime"));
}

} // namespace
