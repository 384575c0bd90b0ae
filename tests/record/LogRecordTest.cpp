#include "record/LogRecord.h"

#include "support/TestSupport.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace std::string_literals;
using TestSupport::kSampleText;
using TestSupport::Patched;

TEST(LogRecord, RecordTextIsTheFirstSixtyBytesWhateverTheLastFour)
{
    for (const std::string& tail : {"\0\0\0\0"s, "\xFF\xFE\x80\x01"s, "SR<>"s})
        EXPECT_EQ(Conversion::BuildRecordText(kSampleText + tail), kSampleText);
}

TEST(LogRecord, YearFormsAndCentury)
{
    // Date characters 1 to 8, ConvertYear of characters 7 and 8, QSO_DATE.
    // clang-format off
    const std::tuple<std::string, std::int16_t, std::string> cases[] = {
        {"12/03/05", 5, "20050312"},  {"01-11-99", 99, "19991101"}, {"01/01/00", 0, "20000101"},
        {"31/12/29", 29, "20291231"}, {"01/01/30", 30, "19300101"}, {"01/02/ 7", 7, "20 70201"},
        {"01/02/7 ", 7, "207 0201"},  {"01/02/+5", 5, "20+50201"},  {"01/02/-5", -5, "20-50201"},
        {"ab.cd.98", 98, "1998cdab"},
    };
    // clang-format on
    for (const auto& [date, year, qsoDate] : cases) {
        SCOPED_TRACE("date \"" + date + "\"");
        EXPECT_EQ(Conversion::ConvertYear(date.substr(6, 2)), year);
        const std::optional<Conversion::RecordFields> fields =
            Conversion::DecodeFields(Patched(1, date));
        ASSERT_TRUE(fields.has_value());
        EXPECT_EQ(fields->year, year);
        EXPECT_EQ(fields->QsoDate(), qsoDate);
    }
}

TEST(LogRecord, IllegalYearMessageQuotesTheSixtyBytesVerbatim)
{
    // Two letters, two blanks and -1 itself, then other forms that are no plain number.
    const std::string years[] = {"-1", "AB", "  ", "5.", ".5",  "$5",
                                 "1,", "1e", "+ ", "--", "\t5", "5\0"s};
    for (const std::string& year : years) {
        SCOPED_TRACE("year \"" + year + "\"");
        EXPECT_EQ(Conversion::ConvertYear(year).value_or(-1), -1); // -1 itself is illegal too
        const std::string text = Patched(7, year).replace(18, 10, "D\0\xE9<\xFF   \r\n"s);
        EXPECT_EQ(Conversion::DecodeFields(text), std::nullopt);
        EXPECT_EQ(Conversion::IllegalYearMessage(text),
                  "Illegal year in QSO " + text + ", ignoring QSO");
    }
    for (const std::string& text : {""s, "5"s, "123"s}) // only two characters convert
        EXPECT_EQ(Conversion::ConvertYear(text), std::nullopt) << '"' << text << '"';
}

// A trimmed field: where it stands and where RecordFields holds it.
struct TrimmedField
{
    std::size_t position, width;
    std::string_view Conversion::RecordFields::*member;
};

// The sample with `neighbour` on both sides of `field`, which holds
// `leading` spaces, then `length` bytes made of `filler` with a letter at
// each end, then spaces.
std::string WithField(const TrimmedField& field, const std::string& neighbour, std::size_t leading,
                      std::size_t length, const std::string& filler)
{
    std::string text(kSampleText);
    text.replace(field.position - 2, 1, neighbour);
    if (field.position - 1 + field.width < 58)
        text.replace(field.position - 1 + field.width, 1, neighbour);
    std::string value;
    while (value.size() < length)
        value += filler;
    value.resize(length);
    if (length > 0)
        value.front() = value.back() = 'Q';
    std::string own = std::string(leading, ' ') + value;
    own.resize(field.width, ' ');
    return text.replace(field.position - 1, field.width, own);
}

// The record text in a buffer of exactly 60 bytes, so that the sanitizers
// see any read beyond it.
void ExpectTrimmed(const std::string& text, const TrimmedField& field)
{
    const std::vector<char> bytes(text.begin(), text.end());
    const std::string_view recordText(bytes.data(), bytes.size());
    const std::optional<Conversion::RecordFields> fields = Conversion::DecodeFields(recordText);
    ASSERT_TRUE(fields.has_value());
    const std::string_view expected =
        Conversion::TrimSpaces(recordText.substr(field.position - 1, field.width));
    EXPECT_EQ((*fields).*field.member, expected);
    if (!expected.empty()) {
        EXPECT_EQ(((*fields).*field.member).data(), expected.data()) << "not a view of the record";
    }
}

TEST(LogRecord, TrimmedFieldsAreTheSpacesTrimmedAtEveryLengthAndNeighbour)
{
    const TrimmedField fields[] = {
        {19, 10, &Conversion::RecordFields::callsign},
        {29, 6, &Conversion::RecordFields::rstSent},
        {35, 6, &Conversion::RecordFields::rstReceived},
        {41, 6, &Conversion::RecordFields::gridSquare},
        {47, 12, &Conversion::RecordFields::comment},
    };
    // Bytes that are no space, though they look blank, and the neighbours
    // that padding must not run into.
    const std::string fillers[] = {"A", "\0"s, "\xA0", "\x20\x20"};
    for (const TrimmedField& field : fields)
        for (const std::string& neighbour : {" "s, "x"s, "\0"s})
            for (std::size_t leading = 0; leading <= field.width; ++leading)
                for (std::size_t length = 0; leading + length <= field.width; ++length)
                    for (const std::string& filler : fillers) {
                        SCOPED_TRACE(testing::Message()
                                     << "field at " << field.position << ", " << leading
                                     << " leading, " << length << " long of \"" << filler << "\"");
                        ExpectTrimmed(WithField(field, neighbour, leading, length, filler), field);
                    }
}

} // namespace
