#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The enumerations of ADIF 3.1.7 that the standard forms translate into:
// bands with their limits, and modes with the log abbreviations that stand
// for them. The tables themselves are data, in AdifTables.cpp.
namespace Conversion {

// A frequency in hertz: exact for every value a three-character field holds.
using Hertz = std::uint64_t;

struct Band
{
    std::string_view name; // "20m"
    Hertz lowest;
    Hertz highest;
};

// How many bands ADIF 3.1.7 has.
inline constexpr std::size_t kBandCount = 33;

// Every band, in frequency order, lowest first.
std::span<const Band, kBandCount> AllBands();

// A frequency in MHz as ADIF's Number type writes it, without a sign: digits
// with at most one '.'. Nothing for any other text, and for a value above
// every band.
std::optional<Hertz> ParseMegahertz(std::string_view text);

// The band a frequency lies in (limits included).
const Band* BandContaining(Hertz frequency);

// The band a log's band indicator stands for: the band the value lies in, or
// for "5", "10", "18" and "24", which name the band just above them, that band.
const Band* BandForIndicator(std::string_view indicator, Hertz value);

struct Mode
{
    std::string_view mode;    // an ADIF mode
    std::string_view submode; // empty when the text names the mode itself
};

// What an upper-case mode text of the log stands for: an ADIF mode, one of
// its submodes, or an old abbreviation ("RTY", "SST", "USB").
std::optional<Mode> ModeFor(std::string_view text);

} // namespace Conversion
