#include "adif/standard/AdifTables.h"

#include "adif/standard/AdxWriter.h"
#include "adif/standard/ByteWord.h"
#include "adif/standard/Findings.h"
#include "adif/standard/Windows1252Text.h"
#include "record/LogRecord.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using Conversion::Hertz;

constexpr Hertz kMegahertz = 1000000;

TEST(ModeFor, FindsWholeTextsOnly)
{
    // Texts of every length the table's search packs, and one longer.
    for (const std::string_view text : {"CW", "FT8", "RTTY", "OLIVIA", "FSK441", "DIGITALVOICE"}) {
        const std::optional<Conversion::Mode> found = Conversion::ModeFor(text);
        ASSERT_TRUE(found.has_value()) << text;
        EXPECT_FALSE(found->mode.empty()) << text;
    }
    // What shares a packed text's bytes but is not the text.
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

TEST(FindingDescription, AppendedOntoALineThatIsReusedWithoutGrowing)
{
    using Action = Conversion::Finding::Action;
    const Conversion::Finding findings[] = {
        {7, "MODE", "DIG", "not an ADIF mode", Action::LeftOutAndKept, {}},
        {12345678901234, "COMMENT", "Gr\xFC\xDF\x65\0\\"sv, "holds characters beyond ASCII",
         Action::Translated, "Grusse"},
        {1, "CALL", "", "no callsign", Action::Missing, {}},
        {18446744073709551615U, "QSO_DATE", "\xFF\xFF", "illegal year", Action::Skipped, {}},
    };
    std::string line;
    line.reserve(1000);
    const std::size_t room = line.capacity();
    for (const Conversion::Finding& finding : findings) {
        line = "log: ";
        Conversion::AppendFindingDescription(line, finding);
        EXPECT_EQ(line, "log: " + Conversion::DescribeFinding(finding));
        EXPECT_EQ(line.capacity(), room) << "the line was allocated anew";
        EXPECT_NE(line.find("record " + std::to_string(finding.record) + ": "), std::string::npos)
            << line;
        for (const char c : line)
            EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << line;
    }
}

// Each count of digits, and the numbers either side of where it changes.
TEST(FindingDescription, RecordNumbersOfEveryCountOfDigits)
{
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
    std::vector<std::uint64_t> numbers = {0, 1, 9, kMost};
    for (std::uint64_t power = 10;; power *= 10) {
        numbers.insert(numbers.end(), {power - 1, power, power + 1});
        if (power > kMost / 10)
            break;
    }
    for (const std::uint64_t number : numbers) {
        const Conversion::Finding finding{
            number, "CALL", "", "no callsign", Conversion::Finding::Action::Missing, {}};
        EXPECT_EQ(Conversion::DescribeFinding(finding),
                  "record " + std::to_string(number) + R"(: CALL "": no callsign; left out)");
    }
}

TEST(ArePlainAscii8, EveryByteValueInEveryPlace)
{
    for (std::size_t place = 0; place < 8; ++place)
        for (int value = 0; value < 256; ++value) {
            std::array<char, 8> bytes{'A', 'z', ' ', '~', '0', '<', '\\', 'q'};
            bytes[place] = static_cast<char>(value);
            const bool plain = value >= 0x20 && value <= 0x7E;
            EXPECT_EQ(Conversion::ArePlainAscii8(bytes.data()), plain)
                << "byte " << value << " at " << place;
        }
    // Neighbours that could carry into each other: each just outside the range.
    EXPECT_FALSE(Conversion::ArePlainAscii8("\x1F\x7F\x1F\x7F\x1F\x7F\x1F\x7F"));
    EXPECT_FALSE(Conversion::ArePlainAscii8("\x80\xFF\x9F\xA0\x00\x01\xFE\x7F"));
    EXPECT_TRUE(Conversion::ArePlainAscii8("\x20\x7E\x20\x7E\x20\x7E\x20\x7E"));
}

// Values of every length up to twenty, plain or with one byte to escape in
// any place, both quote forms: escaped exactly as byte by byte, in a room of
// four bytes per byte and no more.
TEST(AppendEscapedBytes, EveryLengthAndPlaceAsByteByByte)
{
    const auto byteByByte = [](std::string_view bytes, Conversion::Quotes quotes) {
        std::string escaped;
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            const bool plain = byte >= 0x20 && byte <= 0x7E && c != '\\' &&
                               (quotes == Conversion::Quotes::AsTheyAre || c != '"');
            constexpr std::string_view kHex = "0123456789ABCDEF";
            escaped +=
                plain ? std::string(1, c) : std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
        }
        return escaped;
    };
    for (const auto quotes : {Conversion::Quotes::AsTheyAre, Conversion::Quotes::Escaped})
        for (std::size_t length = 0; length <= 20; ++length)
            for (std::size_t place = 0; place <= length; ++place)
                for (const char odd : {'\x01', '\\', '"', '\xE9', '\x7F'}) {
                    std::string value(length, 'a');
                    if (place < length) // the last place: none to escape
                        value[place] = odd;
                    std::string room(4 * length + 1, '#');
                    const char* const end =
                        Conversion::AppendEscapedBytes(room.data(), value, quotes);
                    EXPECT_EQ(
                        std::string_view(room.data(), static_cast<std::size_t>(end - room.data())),
                        byteByByte(value, quotes))
                        << length << " bytes, " << int{odd} << " at " << place;
                    EXPECT_EQ(room.back(), '#');
                }
}

// Each place with bounds of its own, the widest and narrowest among them:
// every byte value in every place is marked exactly when it lies outside.
TEST(OutsideMarks, EveryByteValueInEveryPlace)
{
    const std::string_view lowest("\x00"
                                  "A0a/ \x7F\x00",
                                  8);
    const std::string_view highest("\x7F"
                                   "Z9z/~\x7F\x00",
                                   8);
    const std::array<char, 8> inside{'q', 'M', '5', 'k', '/', '#', '\x7F', '\0'};
    for (std::size_t place = 0; place < 8; ++place)
        for (int value = 0; value < 256; ++value) {
            std::array<char, 8> bytes = inside;
            bytes[place] = static_cast<char>(value);
            const bool outside = value < static_cast<unsigned char>(lowest[place]) ||
                                 value > static_cast<unsigned char>(highest[place]);
            const std::uint64_t expected = outside ? std::uint64_t{0x80} << (8 * place) : 0;
            EXPECT_EQ(Conversion::OutsideMarks(Conversion::LittleEndianWord(bytes.data()),
                                               Conversion::WordOf(lowest),
                                               Conversion::WordOf(highest)),
                      expected)
                << "byte " << value << " at " << place;
        }
}

// Findings dropped: only the line matters here.
struct NoFindings : Conversion::FindingSink
{
    void Report(const Conversion::Finding& /*finding*/) override {}
};

TEST(AdxRecord, TypedValuesWholeAndTextEscaped)
{
    const std::string text = "10/09/031412"
                             "7.1"
                             "usb"
                             "n0call/p  "
                             "59    "
                             "57    "
                             "FN42ab"
                             "a<b&c\"d>    "
                             "SR";
    ASSERT_EQ(text.size(), 60U);
    const std::optional<Conversion::RecordFields> fields = Conversion::DecodeFields(text);
    ASSERT_TRUE(fields.has_value());
    NoFindings findings;
    Conversion::AdxWriter writer(findings);
    std::string room(writer.LongestLine(), '#');
    const char* const end = writer.WriteRecord(*fields, 1, room.data());
    const std::string line = room.substr(0, static_cast<std::size_t>(end - room.data()));
    EXPECT_EQ(line, "<RECORD><QSO_DATE>20030910</QSO_DATE><TIME_ON>1412</TIME_ON>"
                    "<BAND>40m</BAND><FREQ>7.1</FREQ><MODE>SSB</MODE><SUBMODE>USB</SUBMODE>"
                    "<CALL>N0CALL/P</CALL><RST_SENT>59</RST_SENT><RST_RCVD>57</RST_RCVD>"
                    "<GRIDSQUARE>FN42ab</GRIDSQUARE><COMMENT>a&lt;b&amp;c&quot;d&gt;</COMMENT>"
                    "<QSL_SENT>Y</QSL_SENT><QSL_RCVD>Y</QSL_RCVD></RECORD>");
}

TEST(KeptFieldName, PrefixAndFieldName)
{
    const std::string_view prefix = Conversion::KeptFieldPrefix();
    EXPECT_TRUE(prefix.starts_with("APP_")) << prefix;
    EXPECT_TRUE(prefix.ends_with("_")) << prefix;
    EXPECT_EQ(prefix.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string_view::npos);
    EXPECT_EQ(Conversion::KeptFieldName("MODE"), std::string(prefix) + "MODE");
}

} // namespace
