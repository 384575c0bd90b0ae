#include "matching/ModeGroup.h"

#include <gtest/gtest.h>

using Matching::GroupOf;
using Matching::ModeGroup;

namespace {

TEST(ModeGroup, CountsModesAsLoTWDoes)
{
    EXPECT_EQ(GroupOf("CW", ""), ModeGroup::Cw);
    EXPECT_EQ(GroupOf("SSB", "USB"), ModeGroup::Phone);
    EXPECT_EQ(GroupOf("fm", ""), ModeGroup::Phone);
    EXPECT_EQ(GroupOf("DIGITALVOICE", "DSTAR"), ModeGroup::Phone);
    EXPECT_EQ(GroupOf("SSTV", ""), ModeGroup::Image);
    EXPECT_EQ(GroupOf("ATV", ""), ModeGroup::Image);
    // Every other mode is data, whatever its submode.
    EXPECT_EQ(GroupOf("RTTY", ""), ModeGroup::Data);
    EXPECT_EQ(GroupOf("MFSK", "FT4"), ModeGroup::Data);
    EXPECT_EQ(GroupOf("PSK", "PSK31"), ModeGroup::Data);
    EXPECT_EQ(GroupOf("DATA", ""), ModeGroup::Data);
    // What other programs write: old names as the mode, the submode alone, the group's name.
    EXPECT_EQ(GroupOf(" USB ", ""), ModeGroup::Phone);
    EXPECT_EQ(GroupOf("", "LSB"), ModeGroup::Phone);
    EXPECT_EQ(GroupOf("PHONE", ""), ModeGroup::Phone);
    EXPECT_EQ(GroupOf("", ""), ModeGroup::None);
    EXPECT_EQ(GroupOf("  ", " "), ModeGroup::None);
}

} // namespace
