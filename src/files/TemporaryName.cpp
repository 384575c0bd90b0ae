#include "files/TemporaryName.h"

#include <algorithm>

namespace Conversion {

namespace {

constexpr std::string_view kSuffix = ".kestrel-tmp";
constexpr std::size_t kDigits = 12;
constexpr std::string_view kHexDigits = "0123456789abcdef";

// The leading "." and the "." before the digits.
constexpr std::size_t kOverhead = 2 + kDigits + kSuffix.size();

// As much of the name as fits, never ending inside a UTF-8 sequence.
std::string_view ShortenedName(std::string_view target, std::size_t nameLimit)
{
    const std::size_t room = nameLimit > kOverhead ? nameLimit - kOverhead : 1;
    if (target.size() <= room)
        return target;
    std::size_t end = room;
    while (end > 1 && (static_cast<unsigned char>(target[end]) & 0xC0) == 0x80)
        --end;
    return target.substr(0, end);
}

std::string Prefix(std::string_view target, std::size_t nameLimit)
{
    std::string prefix = ".";
    prefix += ShortenedName(target, nameLimit);
    prefix += '.';
    return prefix;
}

} // namespace

std::string TemporaryName(std::string_view target, std::size_t nameLimit, std::uint64_t random)
{
    std::string name = Prefix(target, nameLimit);
    for (std::size_t digit = kDigits; digit-- > 0;)
        name += kHexDigits[(random >> (4 * digit)) & 0xF];
    name += kSuffix;
    return name;
}

bool IsTemporaryNameOf(std::string_view candidate, std::string_view target, std::size_t nameLimit)
{
    const std::string prefix = Prefix(target, nameLimit);
    if (candidate.size() != prefix.size() + kDigits + kSuffix.size() ||
        !candidate.starts_with(prefix) || !candidate.ends_with(kSuffix))
        return false;
    const std::string_view digits = candidate.substr(prefix.size(), kDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return kHexDigits.find(c) != std::string_view::npos; });
}

} // namespace Conversion
