#include "matching/ContactIndex.h"

#include "matching/ContactTime.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

std::set<std::uint32_t> Near(const Matching::ContactIndex& index, const std::string& key,
                             std::int64_t second, std::int64_t window)
{
    std::set<std::uint32_t> found;
    index.ForEachNear(key, second, window,
                      [&found](std::uint32_t number, std::int64_t) { found.insert(number); });
    return found;
}

constexpr std::int64_t kMinute = 60;

// Contact `i` of the test, 7 minutes after the one before it.
std::int64_t At(std::int64_t i)
{
    return *Matching::ContactSecond("20031231", "2000") + i * 7 * kMinute;
}

// Many contacts of a few stations, every 7 minutes over days: the index
// grows its buckets several times, and forgets the latest when told.
TEST(ContactIndex, FindsTheContactsNearAMomentOverMidnightAndForgetsTheLatest)
{
    Matching::ContactIndex index;
    for (std::uint32_t i = 0; i < 5000; ++i)
        EXPECT_EQ(index.Add("K" + std::to_string(i % 3), At(i)), i);
    // Contact 36 of K0 is at 00:12 on 1 January; the window reaches back to 23:57.
    EXPECT_EQ(Near(index, "K0", At(36), 15 * kMinute), (std::set<std::uint32_t>{36}));
    EXPECT_EQ(Near(index, "K0", At(36), 21 * kMinute), (std::set<std::uint32_t>{33, 36, 39}));
    EXPECT_TRUE(Near(index, "K9", At(0), 60 * kMinute).empty());

    index.Truncate(2000);
    EXPECT_EQ(index.Size(), 2000u);
    EXPECT_EQ(Near(index, "K1", At(1999), 21 * kMinute), (std::set<std::uint32_t>{1996, 1999}));
    EXPECT_TRUE(Near(index, "K2", At(4001), 60 * kMinute).empty());
    EXPECT_EQ(index.Add("K2", At(4001)), 2000u);
    EXPECT_EQ(Near(index, "K2", At(4001), kMinute), (std::set<std::uint32_t>{2000}));
}

} // namespace
