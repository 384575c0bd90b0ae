#include "record/LogRecord.h"

#include "RecordSpaces.h"
#include "adif/AdifWriter.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace std::string_literals;
using TestSupport::kSampleLine;
using TestSupport::kSampleText;

// The sample with `replacement` written over it from 1-based `position` on.
std::string Patched(std::size_t position, const std::string& replacement)
{
    return std::string(kSampleText).replace(position - 1, replacement.size(), replacement);
}

// What a record decodes to: its line, or for an illegal year no line and the
// message to show.
struct Decoded
{
    std::optional<std::string> line;
    std::string message;
};

// Decodes the 64-byte record made of `text` (60 characters) and `tail`.
Decoded Decode(const std::string& text, std::array<char, 4> tail = {'\xFF', 0, '<', 'R'})
{
    const std::string bytes = text.substr(0, 60) + std::string(tail.begin(), tail.end());
    const std::string_view recordText = Conversion::BuildRecordText(bytes);
    EXPECT_EQ(recordText, text);
    // Marked, so that a write beyond the promised room shows.
    std::string room(Conversion::kLongestFieldsText + 1, '#');
    const char* const end = Conversion::DecodeRecord(recordText, room.data());
    EXPECT_EQ(room.back(), '#') << "written beyond the room";
    if (end == nullptr) {
        EXPECT_EQ(room, std::string(room.size(), '#')) << "an illegal year writes nothing";
        return {std::nullopt, Conversion::IllegalYearMessage(recordText)};
    }
    return {room.substr(0, static_cast<std::size_t>(end - room.data())) +
                std::string(Conversion::kEndOfRecord),
            {}};
}

// The record line as the conversion writes it.
std::string LineOf(const Decoded& decoded)
{
    return decoded.line.value_or("unexpected: " + decoded.message);
}

TEST(LogRecord, SampleLineWhateverTheLastFourBytes)
{
    for (const auto& tail :
         {std::array<char, 4>{0, 0, 0, 0}, {'\xFF', '\xFE', '\x80', 1}, {'S', 'R', '<', '>'}})
        EXPECT_EQ(LineOf(Decode(kSampleText, tail)), kSampleLine);
}

TEST(LogRecord, EveryFieldInFixedOrder)
{
    EXPECT_EQ(LineOf(Decode(Patched(47, "nice QSO    SR"))),
              "<QSO_DATE:8>20030910 <TIME_ON:4>1412 <FREQ:3>14  <MODE:3>SSB <CALL:6>N0CALL "
              "<RST_SENT:2>59 <RST_RCVD:2>57 <GRIDSQUARE:4>FN42 <Comment:8>nice QSO "
              "<QSL_SENT:1>Y <QSL_RCVD:1>Y <EOR>");
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
        EXPECT_EQ(LineOf(Decode(Patched(1, date))),
                  "<QSO_DATE:8>" + qsoDate + kSampleLine.substr(20));
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
        const auto decoded = Decode(text, {'x', 'y', 'z', 0});
        ASSERT_EQ(decoded.line, std::nullopt);
        EXPECT_EQ(decoded.message, "Illegal year in QSO " + text + ", ignoring QSO");
    }
    for (const std::string& text : {""s, "5"s, "123"s}) // only two characters convert
        EXPECT_EQ(Conversion::ConvertYear(text), std::nullopt) << '"' << text << '"';
}

TEST(LogRecord, FieldTrimmingAndOmission)
{
    struct Case
    {
        std::size_t position;
        std::string replacement, name;
        std::optional<std::string> value; // nullopt: the line has no such field
    };
    // clang-format off
    const Case cases[] = {
        // Time, frequency and mode as stored.
        {9, " 930", "TIME_ON", " 930"}, {13, " 7 ", "FREQ", " 7 "}, {16, "CW ", "MODE", "CW "},
        {16, "   ", "MODE", "   "},
        // Only spaces are trimmed; a value of nothing else leaves its field out.
        {19, "          ", "CALL", {}}, {19, "  DL1ABC  ", "CALL", "DL1ABC"},
        {19, "\tN0CALL\t  ", "CALL", "\tN0CALL\t"}, {19, "N0CALL\0\0\0\0"s, "CALL", "N0CALL\0\0\0\0"s},
        {19, "N0<CALL<  ", "CALL", "N0CALL"}, {29, "599   ", "RST_SENT", "599"},
        {29, "      ", "RST_SENT", {}}, {35, " 5 9  ", "RST_RCVD", "5 9"},
        // "None" markers: exactly six dashes for the grid, twelve for the comment.
        {41, "------", "GRIDSQUARE", {}}, {41, "      ", "GRIDSQUARE", {}},
        {41, "----- ", "GRIDSQUARE", "-----"}, {41, " -----", "GRIDSQUARE", "-----"},
        {41, "-----\t", "GRIDSQUARE", "-----\t"}, {41, "  FN42", "GRIDSQUARE", "FN42"},
        {47, "            ", "Comment", {}}, {47, "<<<<<<<<<<<<", "Comment", {}},
        {47, "----------- ", "Comment", "-----------"}, {47, " -----------", "Comment", "-----------"},
        {47, "   ------   ", "Comment", "------"},
        // QSL flags: "S" at 59 and "R" at 60, exact case.
        {59, "S ", "QSL_SENT", "Y"}, {59, "s ", "QSL_SENT", {}}, {59, " R", "QSL_RCVD", "Y"},
        {59, " r", "QSL_RCVD", {}}, {59, "RS", "QSL_SENT", {}}, {59, "RS", "QSL_RCVD", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " from \"" + c.replacement + "\"");
        const std::string line = LineOf(Decode(Patched(c.position, c.replacement)));
        const std::string tag = "<" + c.name + ":";
        if (c.value) // the value must run exactly up to the next tag
            EXPECT_NE(line.find(tag + std::to_string(c.value->size()) + ">" + *c.value + " <"),
                      std::string::npos)
                << line;
        else
            EXPECT_EQ(line.find(tag), std::string::npos) << line;
    }
}

// The record text in a buffer of exactly 60 bytes, so that the sanitizers
// see any read beyond it.
struct ExactRecord
{
    explicit ExactRecord(const std::string& text) : bytes(text.begin(), text.end()) {}
    std::string_view Text() const { return {bytes.data(), bytes.size()}; }
    std::vector<char> bytes;
};

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

// The field decoded, into `reused` and alone, is the field's text trimmed,
// a view of the record itself.
void ExpectTrimmed(const std::string& text, const TrimmedField& field,
                   Conversion::RecordFields& reused)
{
    const ExactRecord record(text);
    ASSERT_TRUE(Conversion::DecodeFields(record.Text(), reused));
    const std::string_view expected =
        Conversion::TrimSpaces(record.Text().substr(field.position - 1, field.width));
    EXPECT_EQ(reused.*field.member, expected);
    if (!expected.empty()) {
        EXPECT_EQ((reused.*field.member).data(), expected.data());
    }
    const std::optional<Conversion::RecordFields> single = Conversion::DecodeFields(record.Text());
    ASSERT_TRUE(single.has_value());
    EXPECT_EQ((*single).*field.member, expected);
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
    // Bytes a word-wise count could take for a space, and the neighbours that
    // padding must not run into.
    const std::string fillers[] = {"A", "\0"s, "\xA0", "\x20\x20"};
    Conversion::RecordFields reused;
    for (const TrimmedField& field : fields)
        for (const std::string& neighbour : {" "s, "x"s, "\0"s})
            for (std::size_t leading = 0; leading <= field.width; ++leading)
                for (std::size_t length = 0; leading + length <= field.width; ++length)
                    for (const std::string& filler : fillers) {
                        SCOPED_TRACE(testing::Message()
                                     << "field at " << field.position << ", " << leading
                                     << " leading, " << length << " long of \"" << filler << "\"");
                        ExpectTrimmed(WithField(field, neighbour, leading, length, filler), field,
                                      reused);
                    }
}

// Every byte value in every place, among spaces and among other characters,
// has its bit where it is no space: the places that each comparison covers,
// the overlapping last ones too, and bytes above 0x7F.
TEST(LogRecord, NonSpaceBitsMarkEveryCharacterButTheSpaces)
{
    constexpr std::uint64_t kEvery = (std::uint64_t{1} << 60) - 1;
    for (std::size_t place = 0; place < 60; ++place)
        for (int value = 0; value < 256; ++value) {
            const char byte = static_cast<char>(value);
            const std::uint64_t bit = byte == ' ' ? 0 : std::uint64_t{1} << place;
            std::string text(60, ' ');
            text[place] = byte;
            ASSERT_EQ(Conversion::NonSpaceBits(text.data()), bit) << place << ", " << value;
            text.assign(60, 'x');
            text[place] = byte;
            ASSERT_EQ(Conversion::NonSpaceBits(text.data()),
                      (kEvery & ~(std::uint64_t{1} << place)) | bit)
                << place << ", " << value;
        }
}

TEST(LogRecord, FieldsReusedForTheNextRecordKeepNothingOfTheLast)
{
    const ExactRecord full(Patched(41, "FN42  nice QSO    SR"));
    const ExactRecord empty(
        Patched(19, std::string(10, ' ') + std::string(12, ' ') + "------------------  "));
    Conversion::RecordFields reused;
    ASSERT_TRUE(Conversion::DecodeFields(full.Text(), reused));
    ASSERT_TRUE(Conversion::DecodeFields(empty.Text(), reused));
    const std::optional<Conversion::RecordFields> fresh = Conversion::DecodeFields(empty.Text());
    ASSERT_TRUE(fresh.has_value());
    for (const auto member :
         {&Conversion::RecordFields::text, &Conversion::RecordFields::date,
          &Conversion::RecordFields::timeOn, &Conversion::RecordFields::callsign,
          &Conversion::RecordFields::rstSent, &Conversion::RecordFields::rstReceived,
          &Conversion::RecordFields::gridSquare, &Conversion::RecordFields::comment})
        EXPECT_EQ(reused.*member, (*fresh).*member);
    EXPECT_TRUE(reused.gridSquare.empty());
    EXPECT_TRUE(reused.comment.empty());
    EXPECT_EQ(reused.QsoDate(), fresh->QsoDate());
    EXPECT_EQ(reused.qslSent, fresh->qslSent);
    EXPECT_EQ(reused.qslReceived, fresh->qslReceived);
}

} // namespace
