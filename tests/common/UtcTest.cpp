#include "common/UTC.h"

#include "support/TestSupport.h"

#include <cerrno>
#include <cstdint>
#include <gtest/gtest.h>
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
    const Case cases[] = {
        {1, false, 0},  {2, false, 31},  {3, true, 29}, {3, false, 28},
        {5, false, 30}, {12, false, 30}, {0, true, 0},  {13, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "month " << c.month << (c.leap ? " leap" : ""));
        EXPECT_EQ(UTC::MonthDays(c.month, c.leap), c.days);
    }
}

// Neighbouring days are one apart across month and year ends.
TEST(CurrentTime, DayNumbersAcrossMonthAndYearEnds)
{
    const std::pair<SystemTime, double> cases[] = {
        {{2000, 1, 1, 0, 0, 0, 0}, 36526.0},
        {{2000, 2, 29, 0, 0, 0, 0}, 36585.0}, // 2000 is a leap year
        {{2000, 3, 1, 0, 0, 0, 0}, 36586.0},
        {{2003, 9, 11, 5, 12, 26, 0}, 37875 + 18746 / 86400.0},
        {{2003, 12, 31, 0, 0, 0, 0}, 37986.0},
        {{2004, 1, 1, 0, 0, 0, 0}, 37987.0},
        {{2004, 2, 28, 0, 0, 0, 0}, 38045.0},
        {{2004, 2, 29, 12, 0, 0, 0}, 38046.5},
        {{2004, 3, 1, 0, 0, 0, 0}, 38047.0},
        {{2100, 2, 28, 0, 0, 0, 0}, 73109.0}, // 2100 is not
        {{2100, 3, 1, 0, 0, 0, 0}, 73110.0},
        // Milliseconds never count: the value is to the second.
        {{2000, 1, 1, 23, 59, 59, 999}, 36526 + 86399 / 86400.0},
    };
    for (const auto& [time, expected] : cases) {
        SCOPED_TRACE(testing::Message() << time.year << "-" << time.month << "-" << time.day);
        const FixedClock clock(time);
        EXPECT_DOUBLE_EQ(UTC::CurrentTime(), expected);
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
        return TestSupport::kTestTime;
    });
    EXPECT_EQ(UTC::CurrentTime(), 0.0);
    EXPECT_TRUE(TestSupport::HasReport(log.Contents(), EIO, "UTC.CurrentTime"));
}

} // namespace
