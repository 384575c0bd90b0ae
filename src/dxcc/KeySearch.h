#pragma once

#include "dxcc/EntityTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// The searches of a packed list of keys, unpacked once into a hash table.
namespace Dxcc::Table {

// No key of the table is longer (make-entity-table.py sees to it).
inline constexpr std::size_t kLongestKey = 16;

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

    std::size_t Size() const { return variants_.size(); }

private:
    std::unordered_map<std::string, std::uint16_t> variants_;
    std::size_t longest_ = 0;
};

} // namespace Dxcc::Table
