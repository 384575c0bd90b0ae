#pragma once

#include "adif/standard/AdifTables.h"
#include "adif/standard/Findings.h"
#include "adif/standard/StandardRecord.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

// What a log holds at a glance, counted from its records as the standard forms make them:
// standard dates, bands, modes and callsigns, and the DXCC entity of each callsign.
namespace Statistics {

// Bands by their place in Conversion::AllBands(), lowest first.
using BandSet = std::bitset<Conversion::kBandCount>;

// One DXCC entity's share of the QSOs.
struct EntityCount
{
    int dxcc = 0;
    // Views of the entity table, which lasts as long as the program.
    std::string_view name;
    std::string_view continent;
    std::uint64_t qsos = 0;
    bool confirmed = false; // a QSL received for any of its QSOs
    BandSet worked;
    BandSet confirmedOn;
};

// Counts of names from the program's own tables (modes, continents), which outlast the counts:
// a log uses only a few, so a short list searched in turn beats any map.
class NameCounts
{
public:
    void Add(std::string_view name, std::uint64_t count = 1);
    // By name, in byte order.
    std::vector<std::pair<std::string_view, std::uint64_t>> Sorted() const;

private:
    std::vector<std::pair<std::string_view, std::uint64_t>> counts_;
};

// The 4-character grid squares, AA00 to RR99, each by its place.
inline constexpr std::size_t kGridSquares = std::size_t{18} * 18 * 10 * 10;
using GridSet = std::bitset<kGridSquares>;
// "JN58" for a place of GridSet.
std::string GridSquareName(std::size_t place);

// One log's counts, or the counts of several logs together. The findings of the records it
// counts are reported to it, and counted by kind.
class LogStatistics final : public Conversion::FindingSink
{
public:
    // A record made standard; its findings have been reported.
    void Count(const Conversion::StandardRecord& record);
    // A record whose year cannot be read: it has no QSO to count, only its finding.
    void CountSkipped(std::string_view recordText, std::uint64_t recordNumber);
    // A record that the run's gate left out, its finding reported: it is no QSO written.
    void CountLeftOut() { ++leftOut_; }
    void Report(const Conversion::Finding& finding) override;
    // Adds the counts of another log.
    void Add(const LogStatistics& other);

    std::uint64_t Records() const { return qsos_ + skipped_ + leftOut_; }
    std::uint64_t Qsos() const { return qsos_; }
    std::uint64_t Skipped() const { return skipped_; }
    // "YYYYMMDD"; empty while no QSO has a calendar date.
    const std::string& First() const { return first_; }
    const std::string& Last() const { return last_; }
    // QSOs per year, ascending, of the QSOs with a calendar date.
    std::vector<std::pair<int, std::uint64_t>> Years() const;
    // QSOs per band, by place in Conversion::AllBands(); a QSO without a band counts in none.
    const std::array<std::uint64_t, Conversion::kBandCount>& Bands() const { return bands_; }
    // QSOs per ADIF mode; a QSO without one counts in none.
    const NameCounts& Modes() const { return modes_; }
    // QSOs per continent of their entity; a QSO without an entity counts in none.
    const NameCounts& Continents() const { return continents_; }
    std::size_t Calls() const { return calls_.size(); }
    // The entities worked, by DXCC number, ascending.
    std::vector<const EntityCount*> Entities() const;
    const GridSet& GridsWorked() const { return gridsWorked_; }
    const GridSet& GridsConfirmed() const { return gridsConfirmed_; }
    const std::unordered_map<std::string, std::uint64_t>& Findings() const { return findings_; }

private:
    std::uint64_t qsos_ = 0;
    std::uint64_t skipped_ = 0;
    std::uint64_t leftOut_ = 0;
    std::string first_;
    std::string last_;
    // By the two-digit year, which decides its century: 30 to 99 are 1930 to 1999, 0 to 29
    // are 2000 to 2029.
    std::array<std::uint64_t, 100> years_{};
    std::array<std::uint64_t, Conversion::kBandCount> bands_{};
    NameCounts modes_;
    NameCounts continents_;
    std::unordered_set<std::string> calls_;
    // By DXCC number: the numbers are small.
    std::vector<EntityCount> entities_;
    GridSet gridsWorked_;
    GridSet gridsConfirmed_;
    std::unordered_map<std::string, std::uint64_t> findings_;
};

} // namespace Statistics
