#include "matching/Logbook.h"

#include <tuple>

namespace Matching {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

void Logbook::Key(std::string_view call, std::string_view band, ModeGroup group, std::string& key)
{
    key.clear();
    for (const char c : Trimmed(call))
        key += Upper(c);
    key += '\t';
    for (const char c : Trimmed(band))
        key += Lower(c);
    key += '\t';
    key += static_cast<char>('0' + static_cast<int>(group));
}

void Logbook::Add(std::string_view call, std::string_view band, ModeGroup group,
                  std::int64_t second, std::uint64_t record)
{
    Key(call, band, group, key_);
    index_.Add(key_, second);
    records_.push_back(record);
}

std::optional<std::uint64_t> Logbook::Find(std::string_view call, std::string_view band,
                                           ModeGroup group, std::int64_t second) const
{
    Key(call, band, group, lookup_);
    std::optional<std::tuple<std::int64_t, std::uint64_t>> best;
    index_.ForEachNear(lookup_, second, kWindowSeconds,
                       [this, &best](std::uint32_t number, std::int64_t apart) {
                           const auto candidate = std::make_tuple(apart, records_[number]);
                           if (!best || candidate < *best)
                               best = candidate;
                       });
    if (!best)
        return std::nullopt;
    return std::get<1>(*best);
}

} // namespace Matching
