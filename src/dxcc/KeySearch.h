#pragma once

#include "dxcc/EntityTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The searches of a packed list of keys. The list is unpacked once into keys
// of sixteen characters held as two numbers, which a binary search compares
// at a stroke; nothing is allocated per search.
namespace Dxcc::Table {

// No key of the table is longer (make-entity-table.py sees to it).
inline constexpr std::size_t kLongestKey = 16;

// Up to sixteen characters, the first in the highest byte, padded with NULs:
// the numbers order as the texts do, since no key holds a NUL.
struct WideKey
{
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    bool operator==(const WideKey&) const = default;
    bool operator<(const WideKey& other) const
    {
        return high != other.high ? high < other.high : low < other.low;
    }
};

class KeySearch
{
public:
    explicit KeySearch(const PackedKeys& keys);

    // The variant of `key` where the list holds exactly that key.
    std::optional<std::uint16_t> Find(std::string_view key) const;

    // The longest key of the list that `text` begins with.
    struct Match
    {
        std::size_t length;
        std::uint16_t variant;
    };
    std::optional<Match> LongestBeginning(std::string_view text) const;

    std::size_t Size() const { return keys_.size(); }

private:
    bool MayHold(WideKey key) const;

    std::vector<WideKey> keys_;
    std::vector<std::uint16_t> variants_;
    // One bit per hash of a key, set for each key of the list: most texts
    // that are not keys are turned away without a search.
    std::vector<std::uint64_t> filter_;
    int filterShift_ = 64;
};

} // namespace Dxcc::Table
