#pragma once

#include "matching/ContactIndex.h"
#include "matching/ModeGroup.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Matching {

// What the user's logbook holds, as the services match contacts: the
// callsign (in any case), the band, the mode's group and the moment, and
// nothing more of each record.
class Logbook
{
public:
    // Two contacts at most this far apart are one.
    static constexpr std::int64_t kWindowSeconds = std::int64_t{30} * 60;

    // Files the logbook's record at position `record` (from 1). `band` is an
    // ADIF band name in any case.
    void Add(std::string_view call, std::string_view band, ModeGroup group, std::int64_t second,
             std::uint64_t record);

    // The position of the logbook's record that the contact is, the nearest
    // in time (the first of those as near); nothing when it holds none.
    std::optional<std::uint64_t> Find(std::string_view call, std::string_view band, ModeGroup group,
                                      std::int64_t second) const;

    std::size_t Size() const { return records_.size(); }

private:
    // Upper-case callsign and band and the group, without blanks.
    static void Key(std::string_view call, std::string_view band, ModeGroup group,
                    std::string& key);

    ContactIndex index_;
    std::vector<std::uint64_t> records_; // by the index's numbers
    std::string key_;                    // scratch
    mutable std::string lookup_;         // scratch
};

} // namespace Matching
