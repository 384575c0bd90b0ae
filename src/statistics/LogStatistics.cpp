#include "statistics/LogStatistics.h"

#include <algorithm>

namespace Statistics {

namespace {

constexpr std::size_t kNoBand = Conversion::kBandCount;

// The place of a standard band's name in Conversion::AllBands(); kNoBand for none.
std::size_t BandPlace(std::string_view band)
{
    const auto bands = Conversion::AllBands();
    const auto found = std::find_if(bands.begin(), bands.end(),
                                    [band](const Conversion::Band& b) { return b.name == band; });
    return static_cast<std::size_t>(found - bands.begin());
}

char UpperCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The place in GridSet of the square a standard locator lies in; kGridSquares for a locator
// of a field alone, which names no square.
std::size_t GridPlace(std::string_view grid)
{
    if (grid.size() < 4)
        return kGridSquares;
    const auto letter = [&grid](std::size_t at) {
        return static_cast<std::size_t>(UpperCase(grid[at]) - 'A');
    };
    const auto digit = [&grid](std::size_t at) { return static_cast<std::size_t>(grid[at] - '0'); };
    return ((letter(0) * 18 + letter(1)) * 10 + digit(2)) * 10 + digit(3);
}

} // namespace

void NameCounts::Add(std::string_view name, std::uint64_t count)
{
    const auto found = std::find_if(counts_.begin(), counts_.end(),
                                    [name](const auto& entry) { return entry.first == name; });
    if (found != counts_.end())
        found->second += count;
    else
        counts_.emplace_back(name, count);
}

std::vector<std::pair<std::string_view, std::uint64_t>> NameCounts::Sorted() const
{
    std::vector<std::pair<std::string_view, std::uint64_t>> sorted = counts_;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

std::string GridSquareName(std::size_t place)
{
    const std::size_t field = place / 100;
    return {static_cast<char>('A' + field / 18), static_cast<char>('A' + field % 18),
            static_cast<char>('0' + place / 10 % 10), static_cast<char>('0' + place % 10)};
}

void LogStatistics::Count(const Conversion::StandardRecord& record)
{
    ++qsos_;
    if (const std::string_view date = record.qsoDate; !date.empty()) {
        if (first_.empty() || date < first_)
            first_ = date;
        if (date > last_)
            last_ = date;
        const auto digit = [date](std::size_t at) {
            return static_cast<std::size_t>(date[at] - '0');
        };
        ++years_[digit(2) * 10 + digit(3)];
    }
    const std::size_t band = BandPlace(record.band);
    if (band != kNoBand)
        ++bands_[band];
    if (!record.mode.empty())
        modes_.Add(record.mode);
    if (!record.call.empty())
        calls_.emplace(record.call);
    const std::size_t grid = GridPlace(record.gridSquare);
    if (grid != kGridSquares) {
        gridsWorked_.set(grid);
        if (record.qslReceived)
            gridsConfirmed_.set(grid);
    }
    const Dxcc::Lookup& lookup = record.EntityLookup();
    if (lookup.result != Dxcc::Lookup::Result::Found)
        return;
    const Dxcc::Entity& entity = lookup.entity;
    continents_.Add(entity.continent);
    const auto number = static_cast<std::size_t>(entity.dxcc);
    if (number >= entities_.size())
        entities_.resize(number + 1);
    EntityCount& counted = entities_[number];
    counted.dxcc = entity.dxcc;
    counted.name = entity.name;
    counted.continent = entity.continent;
    ++counted.qsos;
    counted.confirmed = counted.confirmed || record.qslReceived;
    if (band != kNoBand) {
        counted.worked.set(band);
        if (record.qslReceived)
            counted.confirmedOn.set(band);
    }
}

void LogStatistics::CountSkipped(std::string_view recordText, std::uint64_t recordNumber)
{
    ++skipped_;
    Conversion::ReportSkippedRecord(recordText, recordNumber, *this);
}

void LogStatistics::Report(const Conversion::Finding& finding)
{
    ++findings_[Conversion::KindOf(finding)];
}

void LogStatistics::Add(const LogStatistics& other)
{
    qsos_ += other.qsos_;
    skipped_ += other.skipped_;
    leftOut_ += other.leftOut_;
    if (!other.first_.empty() && (first_.empty() || other.first_ < first_))
        first_ = other.first_;
    last_ = std::max(last_, other.last_);
    for (std::size_t i = 0; i < years_.size(); ++i)
        years_[i] += other.years_[i];
    for (std::size_t i = 0; i < bands_.size(); ++i)
        bands_[i] += other.bands_[i];
    for (const auto& [mode, count] : other.modes_.Sorted())
        modes_.Add(mode, count);
    for (const auto& [continent, count] : other.continents_.Sorted())
        continents_.Add(continent, count);
    calls_.insert(other.calls_.begin(), other.calls_.end());
    if (other.entities_.size() > entities_.size())
        entities_.resize(other.entities_.size());
    for (const EntityCount& theirs : other.entities_) {
        if (theirs.qsos == 0)
            continue;
        EntityCount& ours = entities_[static_cast<std::size_t>(theirs.dxcc)];
        ours.dxcc = theirs.dxcc;
        ours.name = theirs.name;
        ours.continent = theirs.continent;
        ours.qsos += theirs.qsos;
        ours.confirmed = ours.confirmed || theirs.confirmed;
        ours.worked |= theirs.worked;
        ours.confirmedOn |= theirs.confirmedOn;
    }
    gridsWorked_ |= other.gridsWorked_;
    gridsConfirmed_ |= other.gridsConfirmed_;
    for (const auto& [kind, count] : other.findings_)
        findings_[kind] += count;
}

std::vector<std::pair<int, std::uint64_t>> LogStatistics::Years() const
{
    // The log's own century rule: a two-digit year below 30 is of this century.
    std::vector<std::pair<int, std::uint64_t>> years;
    for (int year = 1930; year <= 2029; ++year)
        if (const std::uint64_t count = years_[static_cast<std::size_t>(year % 100)]; count != 0)
            years.emplace_back(year, count);
    return years;
}

std::vector<const EntityCount*> LogStatistics::Entities() const
{
    std::vector<const EntityCount*> worked;
    for (const EntityCount& entity : entities_)
        if (entity.qsos != 0)
            worked.push_back(&entity);
    return worked;
}

} // namespace Statistics
