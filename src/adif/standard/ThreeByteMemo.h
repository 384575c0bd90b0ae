#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Conversion {

// Where the three bytes of a field are looked up in a ThreeByteMemo: found
// once per record, so that memos of what the same field means and of what is
// written for it share the work.
class ThreeByteKey
{
public:
    // The key of three NUL bytes: a real key, never the empty place's.
    ThreeByteKey() : ThreeByteKey(std::string_view("\0\0\0", 3)) {}
    // `field` holds three bytes.
    explicit ThreeByteKey(std::string_view field)
    {
        const auto byte = [field](std::size_t at) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(field[at]));
        };
        // The bytes, and a bit above them so that no key is the empty place's 0.
        key_ = 1U << 24 | byte(0) << 16 | byte(1) << 8 | byte(2);
        // Fibonacci hashing: the top bits of the key times 2^32 / phi.
        place_ = (key_ * 0x9E3779B9U) >> (32 - kPlaceBits);
    }

    static constexpr int kPlaceBits = 6;

private:
    template <typename Meaning> friend class ThreeByteMemo;
    std::uint32_t key_;
    std::uint32_t place_;
};

// What the three bytes of a field mean, worked out once per value: a log
// holds only a few dozen different frequency or mode texts, and looking one
// up again costs a few instructions where working it out costs a hundred or
// more. A fixed table with one place per value's hash: a value that meets
// another in its place replaces it, and is worked out again when it returns.
// Meanings must not view the bytes they were worked out from.
template <typename Meaning> class ThreeByteMemo
{
public:
    // The meaning of the bytes `key` was made of: workOut() the first time,
    // remembered from then on.
    template <typename WorkOut> const Meaning& Of(ThreeByteKey key, WorkOut workOut)
    {
        Entry& entry = entries_[key.place_];
        if (entry.key != key.key_) {
            entry.meaning = workOut();
            entry.key = key.key_;
        }
        return entry.meaning;
    }

private:
    struct Entry
    {
        std::uint32_t key = 0;
        Meaning meaning{};
    };
    std::array<Entry, std::size_t{1} << ThreeByteKey::kPlaceBits> entries_{};
};

} // namespace Conversion
