#pragma once

#include <cstdint>
#include <emmintrin.h>

namespace Conversion {

// Bit i set where character i of the 60 at `recordText` is not a space, the
// bits above 59 clear. Sixteen characters are compared at once, the last
// sixteen overlapping those before, and each comparison gives its bits at once.
inline std::uint64_t NonSpaceBits(const char* recordText)
{
    const __m128i spaces = _mm_set1_epi8(' ');
    const auto spaceBits = [&](int at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(recordText + at));
        return std::uint64_t{
            static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, spaces)))};
    };
    const std::uint64_t spaceBitsOf60 =
        spaceBits(0) | spaceBits(16) << 16 | spaceBits(32) << 32 | spaceBits(44) << 44;
    return ~spaceBitsOf60 & ((std::uint64_t{1} << 60) - 1);
}

} // namespace Conversion
