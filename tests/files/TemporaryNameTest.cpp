#include "files/TemporaryName.h"

#include <gtest/gtest.h>
#include <string>

using Conversion::IsTemporaryNameOf;
using Conversion::TemporaryName;

namespace {

constexpr std::size_t kLimit = 255;

TEST(TemporaryName, HiddenBesideTheFileAndRecognisedAsItsOwn)
{
    const std::string name = TemporaryName("day.ADI", kLimit, 0xFEDCBA9876543210);
    EXPECT_EQ(name, ".day.ADI.ba9876543210.kestrel-tmp");
    EXPECT_TRUE(IsTemporaryNameOf(name, "day.ADI", kLimit));
    for (const std::string other :
         {".day.ADI.ba987654321.kestrel-tmp", // a digit short
          ".day.ADI.ba987654321g.kestrel-tmp", ".day.ADI.tmp", "day.ADI.ba9876543210.kestrel-tmp",
          ".day.ADI.ba9876543210.kestrel-tmp~", "day.ADI"})
        EXPECT_FALSE(IsTemporaryNameOf(other, "day.ADI", kLimit)) << other;
    EXPECT_FALSE(IsTemporaryNameOf(name, "day.adi", kLimit));
    EXPECT_FALSE(IsTemporaryNameOf(name, "da", kLimit));
}

TEST(TemporaryName, StaysWithinTheNameLimitWithoutSplittingACharacter)
{
    for (std::size_t length = 200; length <= kLimit; ++length) {
        const std::string target(length, 'x');
        const std::string name = TemporaryName(target, kLimit, 1);
        EXPECT_LE(name.size(), kLimit) << length;
        EXPECT_TRUE(IsTemporaryNameOf(name, target, kLimit)) << length;
    }
    // 120 two-byte characters: the cut falls between two of them.
    std::string accented;
    for (int i = 0; i < 120; ++i)
        accented += "\xC3\xA9";
    const std::string name = TemporaryName(accented, kLimit, 1);
    EXPECT_LE(name.size(), kLimit);
    const std::string kept = name.substr(1, name.size() - 26); // less ".", ".digits.kestrel-tmp"
    EXPECT_EQ(kept.size() % 2, 0u) << name;
    EXPECT_TRUE(accented.starts_with(kept));
}

} // namespace
