#include "dxcc/KeySearch.h"

#include <algorithm>
#include <array>
#include <bit>

namespace Dxcc::Table {

namespace {

bool IsKeyCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/';
}

// The value of each code character; keys' characters have none.
constexpr std::array<std::uint8_t, 128> CodeValues()
{
    std::array<std::uint8_t, 128> values{};
    std::uint8_t value = 0;
    for (const char code : kCodes)
        values[static_cast<unsigned char>(code)] = value++;
    return values;
}

constexpr std::array<std::uint8_t, 128> kCodeValues = CodeValues();

std::size_t CodeValue(char c)
{
    return kCodeValues[static_cast<unsigned char>(c) & 0x7F];
}

WideKey Widen(std::string_view text)
{
    std::array<unsigned char, kLongestKey> bytes{};
    std::copy_n(text.begin(), std::min(text.size(), kLongestKey), bytes.begin());
    WideKey key;
    for (std::size_t i = 0; i < 8; ++i) {
        key.high = key.high << 8 | bytes[i];
        key.low = key.low << 8 | bytes[8 + i];
    }
    return key;
}

// How many leading characters two keys share.
std::size_t SharedLength(WideKey a, WideKey b)
{
    if (a.high != b.high)
        return static_cast<std::size_t>(std::countl_zero(a.high ^ b.high)) / 8;
    if (a.low != b.low)
        return 8 + static_cast<std::size_t>(std::countl_zero(a.low ^ b.low)) / 8;
    return kLongestKey;
}

// The characters before the padding.
std::size_t Length(WideKey key)
{
    if (key.low != 0)
        return kLongestKey - static_cast<std::size_t>(std::countr_zero(key.low)) / 8;
    return key.high == 0 ? 0 : 8 - static_cast<std::size_t>(std::countr_zero(key.high)) / 8;
}

// A key's bit in a filter of 2^(64 - shift) bits: the highest bits of a
// multiplicative hash.
std::uint64_t FilterBit(WideKey key, int shift)
{
    return (key.high * 0x9E3779B97F4A7C15u ^ key.low * 0xC2B2AE3D27D4EB4Fu) >> shift;
}

} // namespace

KeySearch::KeySearch(const PackedKeys& keys)
{
    keys_.reserve(keys.count);
    variants_.reserve(keys.count);
    std::array<char, kLongestKey> key{};
    for (std::size_t part = 0; part < keys.partCount; ++part) {
        const std::string_view text = keys.parts[part];
        for (std::size_t at = 0; at < text.size();) {
            std::size_t length = CodeValue(text[at++]);
            while (at < text.size() && IsKeyCharacter(text[at]) && length < kLongestKey)
                key[length++] = text[at++];
            std::size_t variant = CodeValue(text[at++]);
            if (variant >= kSingleCodes)
                variant =
                    kSingleCodes + (variant - kSingleCodes) * kCodes.size() + CodeValue(text[at++]);
            keys_.push_back(Widen({key.data(), length}));
            variants_.push_back(static_cast<std::uint16_t>(variant));
        }
    }
    // About sixteen bits per key: one text in thirty that is not a key gets
    // past it.
    const auto bits = std::bit_ceil(std::max<std::size_t>(keys_.size() * 16, 64));
    filterShift_ = 64 - std::countr_zero(bits);
    filter_.assign(bits / 64, 0);
    for (const WideKey& wide : keys_) {
        const std::uint64_t bit = FilterBit(wide, filterShift_);
        filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
}

bool KeySearch::MayHold(WideKey key) const
{
    const std::uint64_t bit = FilterBit(key, filterShift_);
    return (filter_[bit / 64] >> (bit % 64) & 1u) != 0;
}

std::optional<std::uint16_t> KeySearch::Find(std::string_view key) const
{
    if (key.size() > kLongestKey)
        return std::nullopt;
    const WideKey wanted = Widen(key);
    if (!MayHold(wanted))
        return std::nullopt;
    const auto found = std::lower_bound(keys_.begin(), keys_.end(), wanted);
    if (found == keys_.end() || *found != wanted)
        return std::nullopt;
    return variants_[static_cast<std::size_t>(found - keys_.begin())];
}

std::optional<KeySearch::Match> KeySearch::LongestBeginning(std::string_view text) const
{
    // A key that begins `text` is not above it, and every key between that one
    // and `text` begins with it too: so where the greatest key not above `text`
    // does not begin it, the longest that does begins what the two share.
    std::size_t length = std::min(text.size(), kLongestKey);
    while (length > 0) {
        const WideKey wanted = Widen(text.substr(0, length));
        const auto after = std::upper_bound(keys_.begin(), keys_.end(), wanted);
        if (after == keys_.begin())
            return std::nullopt;
        const WideKey greatest = *(after - 1);
        const std::size_t shared = std::min(SharedLength(greatest, wanted), length);
        const std::size_t keyLength = Length(greatest);
        if (shared >= keyLength)
            return Match{keyLength, variants_[static_cast<std::size_t>(after - 1 - keys_.begin())]};
        length = shared;
    }
    return std::nullopt;
}

} // namespace Dxcc::Table
