#pragma once

#include "adif/standard/ByteWord.h"

#include <cstdint>

namespace Conversion {

// Bit i set where character i of the 60 at `recordText` is not a space, the
// bits above 59 clear. Eight characters are looked at at once, the last eight
// overlapping those before: each byte's answer is its top bit, and a
// multiplication gathers the eight top bits into eight bits in a row.
inline std::uint64_t NonSpaceBits(const char* recordText)
{
    constexpr std::uint64_t kSpaces = 0x2020202020202020;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    // Bit k of the top byte from the top bit of byte k; no two products meet.
    constexpr std::uint64_t kGather = 0x0102040810204080;
    const auto nonSpaceBits = [recordText](int at) {
        const std::uint64_t x =
            LittleEndianWord(recordText + at) ^ kSpaces; // a zero byte for each space
        const std::uint64_t notSpace = (((x & kLow7) + kLow7) | x) & ~kLow7;
        return ((notSpace >> 7) * kGather) >> 56;
    };
    std::uint64_t bits = nonSpaceBits(52) << 52;
    for (int at = 0; at < 56; at += 8)
        bits |= nonSpaceBits(at) << at;
    return bits;
}

} // namespace Conversion
