#include "matching/Logbook.h"

#include "common/AsciiCase.h"
#include "matching/Blanks.h"

#include <tuple>

namespace Matching {

void Logbook::Key(std::string_view call, std::string_view band, ModeGroup group, std::string& key)
{
    key.clear();
    for (const char c : Trimmed(call))
        key += Common::AsciiUpper(c);
    key += '\t';
    for (const char c : Trimmed(band))
        key += Common::AsciiUpper(c);
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
