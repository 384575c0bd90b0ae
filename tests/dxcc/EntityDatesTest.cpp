#include "dxcc/EntityDates.h"

#include <gtest/gtest.h>

namespace {

using Dxcc::Existence;
using Dxcc::ExistenceAt;
using Dxcc::ReadQsoMoment;

Existence At(const Dxcc::Table::EntityRow& entity, const char* date, const char* time)
{
    const auto moment = ReadQsoMoment(date, time);
    EXPECT_TRUE(moment) << date;
    return moment ? ExistenceAt(entity, *moment) : Existence::Unknown;
}

// Ended at midnight: the day it ended is no longer its own, time or none.
TEST(EntityDates, AnEntityEndedAtMidnightIsGoneThatDay)
{
    const Dxcc::Table::EntityRow deleted{"ABU AIL ISLANDS (DELETED)", 19451115, 19910331, 0, 0, 2};
    EXPECT_EQ(At(deleted, "19910330", ""), Existence::Existed);
    EXPECT_EQ(At(deleted, "19910330", "2359"), Existence::Existed);
    EXPECT_EQ(At(deleted, "19910331", "0000"), Existence::DidNotExist);
    EXPECT_EQ(At(deleted, "19910331", ""), Existence::DidNotExist);
    EXPECT_EQ(At(deleted, "19451114", ""), Existence::DidNotExist);
    EXPECT_EQ(At(deleted, "19451115", ""), Existence::Existed);
}

// Began or ended within a day: that day needs the QSO's time.
TEST(EntityDates, AnEntityThatChangedWithinADayNeedsTheTime)
{
    const Dxcc::Table::EntityRow antilles{
        "BONAIRE,CURACAO (NETH ANTILLES) (DELETED)", 19451115, 20101010, 0, 400, 85};
    EXPECT_EQ(At(antilles, "20101010", "0359"), Existence::Existed);
    EXPECT_EQ(At(antilles, "20101010", "0400"), Existence::DidNotExist);
    EXPECT_EQ(At(antilles, "20101010", ""), Existence::Unknown);
    EXPECT_EQ(At(antilles, "20101010", "25AB"), Existence::Unknown); // a time that is none
    EXPECT_EQ(At(antilles, "20101010", "035930"), Existence::Existed);
}

TEST(EntityDates, OnlyARealCalendarDateIsAMoment)
{
    EXPECT_TRUE(ReadQsoMoment("20240229", ""));
    EXPECT_TRUE(ReadQsoMoment("20000229", ""));
    for (const char* date : {"20230229", "19000229", "20230431", "20230001", "20231200", "",
                             "2023011", "202301011", "2023O101"})
        EXPECT_FALSE(ReadQsoMoment(date, "1200")) << date;
    EXPECT_EQ(ReadQsoMoment("20230101", "2400")->time, -1);
    EXPECT_EQ(ReadQsoMoment("20230101", "1260")->time, -1);
    EXPECT_EQ(ReadQsoMoment("20230101", "2359")->time, 2359);
}

} // namespace
