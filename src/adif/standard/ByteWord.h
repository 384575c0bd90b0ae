#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Eight bytes looked at at once, as one word whose lowest byte is the first:
// each byte's answer is its top bit, and no byte carries into the next, so
// every answer is exact. Record fields are short and checked in every record.
namespace Conversion {

// The eight bytes at `bytes` as a word whose lowest byte is the first.
inline std::uint64_t LittleEndianWord(const char* bytes)
{
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t reversed = 0;
        for (int i = 0; i < 8; ++i, word >>= 8)
            reversed = reversed << 8 | (word & 0xFF);
        word = reversed;
    }
    return word;
}

// The word whose bytes are those of `text` (at most eight), and zero beyond.
constexpr std::uint64_t WordOf(std::string_view text)
{
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < text.size() && i < 8; ++i)
        word |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    return word;
}

// The top bit of every byte of `word` that lies outside the range its place
// has in `lowest` and `highest` (bounds 0 to 0x7F); all other bits clear.
constexpr std::uint64_t OutsideMarks(std::uint64_t word, std::uint64_t lowest,
                                     std::uint64_t highest)
{
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    constexpr std::uint64_t kTop = ~kLow7;
    const std::uint64_t low7 = word & kLow7;
    const std::uint64_t atLeastLowest = low7 + (kTop - lowest);  // top bit: >= lowest
    const std::uint64_t aboveHighest = low7 + (kLow7 - highest); // top bit: > highest
    return (word | ~atLeastLowest | aboveHighest) & kTop;
}

} // namespace Conversion
