#pragma once

#include "adif/standard/RecordGate.h"
#include "matching/ContactIndex.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Matching {

// Leaves out the records that repeat an earlier record of the run: the same
// callsign, band, mode and submode, at most 15 minutes apart (on the same
// date, or either side of midnight), holding nothing the earlier one does
// not. A record that repeats one but holds more is written, and said to be a
// possible duplicate. A record without a date, time, callsign, band or mode
// is never taken for another.
//
// Of several earlier records near it, one it adds nothing to is preferred;
// then the nearest in time, then the first.
class RunDuplicates final : public Conversion::RecordGate
{
public:
    static constexpr std::int64_t kWindowSeconds = std::int64_t{15} * 60;

    void StartLog(std::string_view logName) override;
    void AbandonLog() override;
    bool Admit(const Conversion::StandardRecord& record, std::uint64_t recordNumber,
               Conversion::FindingSink& findings) override;

private:
    struct Earlier
    {
        std::uint64_t record;
        std::uint32_t log;
        std::uint32_t contentOffset;
        std::uint32_t contentLength;
    };
    std::string_view ContentOf(const Earlier& earlier) const
    {
        return std::string_view(contents_).substr(earlier.contentOffset, earlier.contentLength);
    }
    void Remember(std::string_view key, std::int64_t second, std::uint64_t recordNumber);
    std::string RecordName(const Earlier& earlier) const;

    ContactIndex index_;
    std::vector<Earlier> earlier_;
    // The values of the records remembered, each coded compactly.
    std::string contents_;
    std::vector<std::string> logs_;
    // How many records the run held when the current log started.
    std::size_t logStart_ = 0;
    // Scratch, kept to spare an allocation per record.
    std::string key_;
    std::string content_;
    std::string detail_;
};

} // namespace Matching
