#include "adif/standard/AdifTables.h"

#include <algorithm>
#include <array>

namespace Conversion {

namespace {

constexpr Hertz kKilohertz = 1000;
constexpr Hertz kMegahertz = 1000 * kKilohertz;

constexpr Hertz MHz(Hertz whole, Hertz thousandths = 0)
{
    return whole * kMegahertz + thousandths * kKilohertz;
}

// Ascending, without overlaps.
constexpr std::array kBands = {
    Band{"2190m", 135700, 137800},
    Band{"630m", 472000, 479000},
    Band{"560m", 501000, 504000},
    Band{"160m", MHz(1, 800), MHz(2)},
    Band{"80m", MHz(3, 500), MHz(4)},
    Band{"60m", MHz(5, 60), MHz(5, 450)},
    Band{"40m", MHz(7), MHz(7, 300)},
    Band{"30m", MHz(10, 100), MHz(10, 150)},
    Band{"20m", MHz(14), MHz(14, 350)},
    Band{"17m", MHz(18, 68), MHz(18, 168)},
    Band{"15m", MHz(21), MHz(21, 450)},
    Band{"12m", MHz(24, 890), MHz(24, 990)},
    Band{"10m", MHz(28), MHz(29, 700)},
    Band{"8m", MHz(40), MHz(45)},
    Band{"6m", MHz(50), MHz(54)},
    Band{"5m", MHz(54) + 1, MHz(69, 900)},
    Band{"4m", MHz(70), MHz(71)},
    Band{"2m", MHz(144), MHz(148)},
    Band{"1.25m", MHz(222), MHz(225)},
    Band{"70cm", MHz(420), MHz(450)},
    Band{"33cm", MHz(902), MHz(928)},
    Band{"23cm", MHz(1240), MHz(1300)},
    Band{"13cm", MHz(2300), MHz(2450)},
    Band{"9cm", MHz(3300), MHz(3500)},
    Band{"6cm", MHz(5650), MHz(5925)},
    Band{"3cm", MHz(10000), MHz(10500)},
    Band{"1.25cm", MHz(24000), MHz(24250)},
    Band{"6mm", MHz(47000), MHz(47200)},
    Band{"4mm", MHz(75500), MHz(81000)},
    Band{"2.5mm", MHz(119980), MHz(123000)},
    Band{"2mm", MHz(134000), MHz(149000)},
    Band{"1mm", MHz(241000), MHz(250000)},
    Band{"submm", MHz(300000), MHz(7500000)},
};

// The band of that name, found when the tables are compiled.
constexpr const Band* BandNamed(std::string_view name)
{
    const auto* const band = std::find_if(kBands.begin(), kBands.end(),
                                          [name](const Band& b) { return b.name == name; });
    return band != kBands.end() ? band : nullptr;
}

// Indicators a little below their band's lower edge, and the band they mean.
struct Indicator
{
    std::string_view text;
    const Band* band;
};
constexpr std::array kIndicators = {
    Indicator{"5", BandNamed("60m")},
    Indicator{"10", BandNamed("30m")},
    Indicator{"18", BandNamed("17m")},
    Indicator{"24", BandNamed("12m")},
};
static_assert(std::all_of(kIndicators.begin(), kIndicators.end(),
                          [](const Indicator& known) { return known.band != nullptr; }),
              "every indicator names a band");

// Sorted by text, for a binary search.
struct ModeText
{
    std::string_view text;
    Mode mode;
};
constexpr std::array kModes = {
    ModeText{"AM", {"AM", ""}},
    ModeText{"AMTORFEC", {"TOR", "AMTORFEC"}},
    ModeText{"ARDOP", {"ARDOP", ""}},
    ModeText{"ATV", {"ATV", ""}},
    ModeText{"C4FM", {"DIGITALVOICE", "C4FM"}},
    ModeText{"CHIP", {"CHIP", ""}},
    ModeText{"CLO", {"CLO", ""}},
    ModeText{"CONTESTI", {"CONTESTI", ""}},
    ModeText{"CW", {"CW", ""}},
    ModeText{"DIGITALVOICE", {"DIGITALVOICE", ""}},
    ModeText{"DOMINO", {"DOMINO", ""}},
    ModeText{"DSTAR", {"DIGITALVOICE", "DSTAR"}},
    ModeText{"DYNAMIC", {"DYNAMIC", ""}},
    ModeText{"FAX", {"FAX", ""}},
    ModeText{"FM", {"FM", ""}},
    ModeText{"FMHELL", {"HELL", "FMHELL"}},
    ModeText{"FSK", {"FSK", ""}},
    ModeText{"FSK441", {"FSK441", ""}},
    ModeText{"FT4", {"MFSK", "FT4"}},
    ModeText{"FT8", {"FT8", ""}},
    ModeText{"GTOR", {"TOR", "GTOR"}},
    ModeText{"HELL", {"HELL", ""}},
    ModeText{"HELL80", {"HELL", "HELL80"}},
    ModeText{"ISCAT", {"ISCAT", ""}},
    ModeText{"JS8", {"MFSK", "JS8"}},
    ModeText{"JT4", {"JT4", ""}},
    ModeText{"JT44", {"JT44", ""}},
    ModeText{"JT65", {"JT65", ""}},
    ModeText{"JT6M", {"JT6M", ""}},
    ModeText{"JT9", {"JT9", ""}},
    ModeText{"LSB", {"SSB", "LSB"}},
    ModeText{"MFSK", {"MFSK", ""}},
    ModeText{"MSK144", {"MSK144", ""}},
    ModeText{"MT63", {"MT63", ""}},
    ModeText{"MTONE", {"MTONE", ""}},
    ModeText{"OFDM", {"OFDM", ""}},
    ModeText{"OLIVIA", {"OLIVIA", ""}},
    ModeText{"OPERA", {"OPERA", ""}},
    ModeText{"PAC", {"PAC", ""}},
    ModeText{"PAC2", {"PAC", "PAC2"}},
    ModeText{"PAC3", {"PAC", "PAC3"}},
    ModeText{"PAC4", {"PAC", "PAC4"}},
    ModeText{"PAX", {"PAX", ""}},
    ModeText{"PKT", {"PKT", ""}},
    ModeText{"PSK", {"PSK", ""}},
    ModeText{"PSK125", {"PSK", "PSK125"}},
    ModeText{"PSK2K", {"PSK2K", ""}},
    ModeText{"PSK31", {"PSK", "PSK31"}},
    ModeText{"PSK63", {"PSK", "PSK63"}},
    ModeText{"Q15", {"Q15", ""}},
    ModeText{"QRA64", {"QRA64", ""}},
    ModeText{"ROS", {"ROS", ""}},
    ModeText{"RTTY", {"RTTY", ""}},
    ModeText{"RTTYM", {"RTTYM", ""}},
    ModeText{"RTY", {"RTTY", ""}},
    ModeText{"SSB", {"SSB", ""}},
    ModeText{"SST", {"SSTV", ""}},
    ModeText{"SSTV", {"SSTV", ""}},
    ModeText{"T10", {"T10", ""}},
    ModeText{"THOR", {"THOR", ""}},
    ModeText{"THRB", {"THRB", ""}},
    ModeText{"TOR", {"TOR", ""}},
    ModeText{"USB", {"SSB", "USB"}},
    ModeText{"V4", {"V4", ""}},
    ModeText{"VOI", {"VOI", ""}},
    ModeText{"WINMOR", {"WINMOR", ""}},
    ModeText{"WSPR", {"WSPR", ""}},
};

constexpr bool SortedByText()
{
    for (std::size_t i = 1; i < kModes.size(); ++i)
        if (!(kModes[i - 1].text < kModes[i].text))
            return false;
    return true;
}
static_assert(SortedByText(), "ModeFor searches the mode texts by halves");

constexpr bool BandsAscending()
{
    for (std::size_t i = 1; i < kBands.size(); ++i)
        if (kBands[i].lowest <= kBands[i - 1].highest)
            return false;
    return true;
}
static_assert(BandsAscending(), "BandContaining stops at the first band above");
static_assert(kBands.size() == kBandCount, "kBandCount counts the bands");

} // namespace

std::span<const Band, kBandCount> AllBands()
{
    return kBands;
}

std::optional<Hertz> ParseMegahertz(std::string_view text)
{
    Hertz hertz = 0;
    Hertz scale = kMegahertz; // of the last digit after the point
    bool afterPoint = false;
    bool digits = false;
    for (const char c : text) {
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<Hertz>(c - '0');
        if (afterPoint) {
            scale /= 10; // digits finer than a hertz add nothing
            hertz += digit * scale;
        } else {
            hertz = hertz * 10 + digit * kMegahertz;
            if (hertz > kBands.back().highest)
                return std::nullopt; // and no overflow
        }
        digits = true;
    }
    return digits ? std::optional(hertz) : std::nullopt;
}

const Band* BandContaining(Hertz frequency)
{
    // The first band that does not end below the frequency, found by halves.
    const Band* const band = std::partition_point(
        kBands.begin(), kBands.end(), [frequency](const Band& b) { return b.highest < frequency; });
    return band != kBands.end() && frequency >= band->lowest ? band : nullptr;
}

const Band* BandForIndicator(std::string_view indicator, Hertz value)
{
    if (const Band* band = BandContaining(value))
        return band;
    const auto* const known =
        std::find_if(kIndicators.begin(), kIndicators.end(),
                     [indicator](const Indicator& i) { return i.text == indicator; });
    return known != kIndicators.end() ? known->band : nullptr;
}

std::optional<Mode> ModeFor(std::string_view text)
{
    const auto* const found =
        std::lower_bound(kModes.begin(), kModes.end(), text,
                         [](const ModeText& entry, std::string_view t) { return entry.text < t; });
    if (found == kModes.end() || found->text != text)
        return std::nullopt;
    return found->mode;
}

} // namespace Conversion
