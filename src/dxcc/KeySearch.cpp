#include "dxcc/KeySearch.h"

#include <algorithm>
#include <array>

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

} // namespace

KeySearch::KeySearch(const PackedKeys& keys)
{
    variants_.reserve(keys.count);
    std::array<char, kLongestKey> key{};
    for (std::size_t part = 0; part < keys.partCount; ++part) {
        const std::string_view text = keys.parts[part];
        for (std::size_t at = 0; at < text.size();) {
            // A key shares its first characters with the key before it.
            std::size_t length = CodeValue(text[at++]);
            while (at < text.size() && IsKeyCharacter(text[at]) && length < kLongestKey)
                key[length++] = text[at++];
            std::size_t variant = CodeValue(text[at++]);
            if (variant >= kSingleCodes)
                variant =
                    kSingleCodes + (variant - kSingleCodes) * kCodes.size() + CodeValue(text[at++]);
            variants_.emplace(std::string(key.data(), length), static_cast<std::uint16_t>(variant));
            longest_ = std::max(longest_, length);
        }
    }
}

std::optional<std::uint16_t> KeySearch::Find(std::string_view key) const
{
    if (key.size() > longest_)
        return std::nullopt;
    const auto found = variants_.find(std::string(key));
    if (found == variants_.end())
        return std::nullopt;
    return found->second;
}

std::optional<KeySearch::Match> KeySearch::LongestBeginning(std::string_view text) const
{
    for (std::size_t length = std::min(text.size(), longest_); length > 0; --length)
        if (const std::optional<std::uint16_t> variant = Find(text.substr(0, length)))
            return Match{length, *variant};
    return std::nullopt;
}

} // namespace Dxcc::Table
