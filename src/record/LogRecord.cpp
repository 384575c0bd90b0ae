#include "record/LogRecord.h"

#include <stdexcept>

namespace Conversion {

namespace {

// Where a field lies in the record text: its 1-based character position and its width.
struct FieldSpan
{
    std::size_t position;
    std::size_t width;
};

// The fields as the record lays them out, written down as data so that each
// is found by its name.
constexpr FieldSpan kDate{1, 8};
constexpr FieldSpan kTimeOn{9, 4};
constexpr FieldSpan kFrequency{13, 3};
constexpr FieldSpan kMode{16, 3};
constexpr FieldSpan kCallsign{19, 10};
constexpr FieldSpan kRstSent{29, 6};
constexpr FieldSpan kRstReceived{35, 6};
constexpr FieldSpan kGridSquare{41, 6};
constexpr FieldSpan kComment{47, 12};
constexpr std::size_t kQslSentPosition = 59;
constexpr std::size_t kQslReceivedPosition = 60;

// Within the date: day, month and two-digit year, separators between them.
constexpr FieldSpan kDay{1, 2};
constexpr FieldSpan kMonth{4, 2};
constexpr FieldSpan kYear{7, 2};

constexpr std::string_view kNoGridSquare = "------";
constexpr std::string_view kNoComment = "------------";

// A year this program can never have read: it marks the record as unusable,
// as does the text "-1" itself.
constexpr std::int16_t kIllegalYear = -1;

std::string_view Characters(std::string_view text, FieldSpan span)
{
    return text.substr(span.position - 1, span.width);
}

char CharacterAt(std::string_view text, std::size_t position)
{
    return text[position - 1];
}

// The field's text trimmed, or nothing where it holds exactly its placeholder.
std::string_view TrimmedUnless(std::string_view placeholder, std::string_view field)
{
    const std::string_view trimmed = TrimSpaces(field);
    return trimmed == placeholder ? std::string_view() : trimmed;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int DigitValue(char c)
{
    return c - '0';
}

} // namespace

std::string_view BuildRecordText(std::string_view recordBytes)
{
    return recordBytes.substr(0, kRecordTextLength);
}

std::optional<std::int16_t> ConvertYear(std::string_view yearText)
{
    if (yearText.size() != 2)
        return std::nullopt;
    const char first = yearText[0];
    const char second = yearText[1];
    if (IsDigit(first) && IsDigit(second))
        return static_cast<std::int16_t>(DigitValue(first) * 10 + DigitValue(second));
    if (first == ' ' && IsDigit(second))
        return static_cast<std::int16_t>(DigitValue(second));
    if (IsDigit(first) && second == ' ')
        return static_cast<std::int16_t>(DigitValue(first));
    if ((first == '+' || first == '-') && IsDigit(second))
        return static_cast<std::int16_t>(first == '-' ? -DigitValue(second) : DigitValue(second));
    return std::nullopt;
}

std::string_view TrimSpaces(std::string_view text)
{
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && text[first] == ' ')
        ++first;
    while (end > first && text[end - 1] == ' ')
        --end;
    return text.substr(first, end - first);
}

std::optional<RecordFields> DecodeFields(std::string_view recordText)
{
    if (recordText.size() != kRecordTextLength)
        throw std::invalid_argument("a record's text is 60 characters");
    RecordFields fields;
    fields.text = recordText;
    fields.date = Characters(recordText, kDate);
    const std::string_view year = Characters(fields.date, kYear);
    fields.year = ConvertYear(year).value_or(kIllegalYear);
    if (fields.year == kIllegalYear)
        return std::nullopt;

    // Two-digit years: 30 to 99 are 19xx, the rest 20xx. The date characters
    // are copied as they stand.
    const std::string_view century = fields.year < 30 ? "20" : "19";
    const std::string_view month = Characters(fields.date, kMonth);
    const std::string_view day = Characters(fields.date, kDay);
    fields.qsoDate = {century[0], century[1], year[0], year[1], month[0], month[1], day[0], day[1]};

    fields.timeOn = Characters(recordText, kTimeOn);
    fields.frequency = Characters(recordText, kFrequency);
    fields.mode = Characters(recordText, kMode);
    fields.callsign = TrimSpaces(Characters(recordText, kCallsign));
    fields.rstSent = TrimSpaces(Characters(recordText, kRstSent));
    fields.rstReceived = TrimSpaces(Characters(recordText, kRstReceived));
    fields.gridSquare = TrimmedUnless(kNoGridSquare, Characters(recordText, kGridSquare));
    fields.comment = TrimmedUnless(kNoComment, Characters(recordText, kComment));
    fields.qslSent = CharacterAt(recordText, kQslSentPosition) == 'S';
    fields.qslReceived = CharacterAt(recordText, kQslReceivedPosition) == 'R';
    return fields;
}

std::string IllegalYearMessage(std::string_view recordText)
{
    std::string message = "Illegal year in QSO ";
    message += recordText.substr(0, kRecordTextLength);
    message += ", ignoring QSO";
    return message;
}

} // namespace Conversion
