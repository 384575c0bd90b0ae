#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Conversion {

// What the three bytes of a field mean, worked out once per value: a log
// holds only a few dozen different frequency or mode texts, and looking one
// up again costs a few instructions where working it out costs a hundred or
// more. A fixed table with one place per value's hash: a value that meets
// another in its place replaces it, and is worked out again when it returns.
// Meanings must not view the bytes they were worked out from.
template <typename Meaning> class ThreeByteMemo
{
public:
    // The meaning of `field`, which holds three bytes: workOut(field) the
    // first time, remembered from then on.
    template <typename WorkOut> const Meaning& Of(std::string_view field, WorkOut workOut)
    {
        const std::uint32_t key = Key(field);
        Entry& entry = entries_[Place(key)];
        if (entry.key != key) {
            entry.meaning = workOut(field);
            entry.key = key;
        }
        return entry.meaning;
    }

private:
    static constexpr int kPlaceBits = 6;

    // The bytes, and a bit above them so that no key is the empty place's 0.
    static std::uint32_t Key(std::string_view field)
    {
        const auto byte = [field](std::size_t at) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(field[at]));
        };
        return 1U << 24 | byte(0) << 16 | byte(1) << 8 | byte(2);
    }
    // Fibonacci hashing: the top bits of the key times 2^32 / phi.
    static std::size_t Place(std::uint32_t key)
    {
        return static_cast<std::size_t>((key * 0x9E3779B9U) >> (32 - kPlaceBits));
    }

    struct Entry
    {
        std::uint32_t key = 0;
        Meaning meaning{};
    };
    std::array<Entry, std::size_t{1} << kPlaceBits> entries_{};
};

} // namespace Conversion
