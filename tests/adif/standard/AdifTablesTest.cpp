#include "adif/standard/AdifTables.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace std::string_literals;
using Conversion::Hertz;

constexpr Hertz kMegahertz = 1000000;

TEST(ModeFor, FindsWholeTextsOnly)
{
    // Mode texts of many lengths.
    for (const std::string_view text : {"CW", "FT8", "RTTY", "OLIVIA", "FSK441", "DIGITALVOICE"}) {
        const std::optional<Conversion::Mode> found = Conversion::ModeFor(text);
        ASSERT_TRUE(found.has_value()) << text;
        EXPECT_FALSE(found->mode.empty()) << text;
    }
    // What shares the start of a mode text, or all of it and more, but is not the text.
    for (const std::string& text : {""s, "C"s, "CW\0"s, "CW\0\0\0\0\0\0"s, "\0CW"s, "cw"s, "CWX"s,
                                    "DIGITALV"s, "DIGITALVOICEX"s, "DIGITALVOICF"s, "DIGITALVOIC"s,
                                    "RTT\xFF"s, std::string(8, '\xFF'), "ZZZZZZZZZ"s})
        EXPECT_EQ(Conversion::ModeFor(text), std::nullopt) << '"' << text << '"';
}

TEST(ModeFor, TextsBeforeAndAfterEachOtherAreNotConfused)
{
    // Prefixes of one another: each stands for its own mode or submode.
    const auto submodeOf = [](std::string_view text) {
        const std::optional<Conversion::Mode> found = Conversion::ModeFor(text);
        return found ? std::string(found->mode) + "/" + std::string(found->submode) : "none"s;
    };
    EXPECT_NE(submodeOf("PAC"), submodeOf("PAC2"));
    EXPECT_NE(submodeOf("PSK"), submodeOf("PSK31"));
    EXPECT_NE(submodeOf("JT4"), submodeOf("JT44"));
    EXPECT_NE(submodeOf("HELL"), submodeOf("HELL80"));
}

TEST(BandContaining, EveryBandHoldsItsEdgesAndNothingBetweenBands)
{
    const Conversion::Band* last = nullptr;
    std::size_t bands = 0;
    // Every band's edges, walked upwards from one band to the next.
    for (Hertz frequency = 0; frequency <= 300000 * kMegahertz;) {
        const Conversion::Band* const band = Conversion::BandContaining(frequency);
        if (band == nullptr) {
            // The next band, or nothing: found by its own lower edge.
            Hertz next = frequency + 1;
            while (next < frequency + 1000 * kMegahertz &&
                   Conversion::BandContaining(next) == nullptr)
                next += next / 1000 + 1; // finer than the narrowest band
            frequency = next;
            continue;
        }
        SCOPED_TRACE(std::string(band->name));
        EXPECT_NE(band, last);
        EXPECT_LE(band->lowest, frequency);
        EXPECT_LE(frequency, band->highest);
        EXPECT_EQ(Conversion::BandContaining(band->lowest), band);
        EXPECT_EQ(Conversion::BandContaining(band->highest), band);
        EXPECT_NE(Conversion::BandContaining(band->lowest - 1), band);
        EXPECT_NE(Conversion::BandContaining(band->highest + 1), band);
        last = band;
        ++bands;
        frequency = band->highest + 1;
    }
    EXPECT_GT(bands, 20U);
}

TEST(BandForIndicator, IndicatorsBelowTheirBandNameTheBandAbove)
{
    struct Case
    {
        std::string_view indicator;
        Hertz above; // a frequency in the band just above it
    };
    const Case cases[] = {{"5", 5 * kMegahertz + 100000},
                          {"10", 10 * kMegahertz + 120000},
                          {"18", 18 * kMegahertz + 100000},
                          {"24", 24 * kMegahertz + 900000}};
    for (const Case& c : cases) {
        const std::string_view indicator = c.indicator;
        const Hertz above = c.above;
        SCOPED_TRACE(std::string(indicator));
        const std::optional<Hertz> value = Conversion::ParseMegahertz(indicator);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(Conversion::BandContaining(*value), nullptr);
        EXPECT_EQ(Conversion::BandForIndicator(indicator, *value),
                  Conversion::BandContaining(above));
    }
    EXPECT_EQ(Conversion::BandForIndicator("11", 11 * kMegahertz), nullptr);
    EXPECT_EQ(Conversion::BandForIndicator("14", 14 * kMegahertz),
              Conversion::BandContaining(14 * kMegahertz));
}

} // namespace
