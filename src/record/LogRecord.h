#pragma once

#include "adif/AdifWriter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Conversion {

// A Kestrel log is a plain sequence of these records: no header, no trailer.
inline constexpr std::size_t kRecordSize = 64;
// Bytes 1 to 60 hold the fields; the last four are never read.
inline constexpr std::size_t kRecordTextLength = 60;

// The record's first 60 bytes as text, each byte one character, NULs and
// high bytes included: a view of `recordBytes`, which holds a whole record.
inline std::string_view BuildRecordText(std::string_view recordBytes)
{
    return recordBytes.substr(0, kRecordTextLength);
}

// The year characters as a number: two digits, one digit with a space before
// or after it, or a sign and a digit. Every other text has no value.
std::optional<std::int16_t> ConvertYear(std::string_view yearText);

// Leading and trailing spaces removed; no other character counts as blank.
// Inline: the standard forms trim several short fields of every record.
inline std::string_view TrimSpaces(std::string_view text)
{
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && text[first] == ' ')
        ++first;
    while (end > first && text[end - 1] == ' ')
        --end;
    return text.substr(first, end - first);
}

// One record's fields as the table of fields gives them: views of the record
// text, trimmed where the table trims, placeholders and unset flags left
// empty. Every form of ADIF starts from these.
struct RecordFields
{
    std::string_view text;         // the record's 60 characters
    std::string_view date;         // characters 1-8 as stored: day, month, year
    std::string_view yearText;     // characters 7-8
    std::int16_t year = 0;         // as ConvertYear reads it, never -1
    std::array<char, 8> qsoDate{}; // century, year, month and day characters
    std::string_view timeOn;       // as stored
    std::string_view frequency;    // as stored
    std::string_view mode;         // as stored
    std::string_view callsign;
    std::string_view rstSent;
    std::string_view rstReceived;
    std::string_view gridSquare; // empty for "------"
    std::string_view comment;    // empty for "------------"
    // Characters 29-58 as stored: RST sent and received, the locator and the
    // comment, the fields free text may stand in.
    std::string_view freeText;
    bool qslSent = false;
    bool qslReceived = false;

    std::string_view QsoDate() const { return {qsoDate.data(), qsoDate.size()}; }
};

// The fields of one record; nothing when its year cannot be read, and the
// user is then to be shown IllegalYearMessage. `recordText` holds exactly 60
// characters, which the fields view.
std::optional<RecordFields> DecodeFields(std::string_view recordText);

// The same into `fields`, every member of which it sets; false, with `fields`
// left in part, when the year cannot be read. The record loop decodes every
// record into one RecordFields this way, sparing a copy per record.
bool DecodeFields(std::string_view recordText, RecordFields& fields);

// The most that the field texts of one record take: every field name, the 60
// characters of values between them, and what each field's text adds.
inline constexpr std::size_t kLongestFieldsText =
    std::string_view("QSO_DATETIME_ONFREQMODECALLRST_SENTRST_RCVDGRIDSQUARECommentQSL_SENTQSL_RCVD")
        .size() +
    kRecordTextLength + 11 * kFieldTextOverhead;

// The record's classic ADIF fields, handed to AppendField in the order they
// are written, onto the record assembled at `exportRecord`, which has room
// for kLongestFieldsText. Returns the record's new end.
char* AppendClassicFields(const RecordFields& fields, char* exportRecord);

// Decodes one record and appends its classic fields; nothing (a null
// pointer) when the record's year cannot be read.
char* DecodeRecord(std::string_view recordText, char* exportRecord);

// "Illegal year in QSO ", the 60 characters, ", ignoring QSO".
std::string IllegalYearMessage(std::string_view recordText);
// The same into `message`, whose room is reused: a log may hold many.
void AssignIllegalYearMessage(std::string& message, std::string_view recordText);

} // namespace Conversion
