#pragma once

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
std::string_view BuildRecordText(std::string_view recordBytes);

// The year characters as a number: two digits, one digit with a space before
// or after it, or a sign and a digit. Every other text has no value.
std::optional<std::int16_t> ConvertYear(std::string_view yearText);

// Leading and trailing spaces removed; no other character counts as blank.
std::string_view TrimSpaces(std::string_view text);

// One record's fields as the table of fields gives them: views of the record
// text, trimmed where the table trims, placeholders and unset flags left
// empty. Every form of ADIF starts from these.
struct RecordFields
{
    std::string_view text;         // the record's 60 characters
    std::string_view date;         // characters 1-8 as stored: day, month, year
    std::int16_t year = 0;         // as ConvertYear reads characters 7-8, never -1
    std::array<char, 8> qsoDate{}; // century, year, month and day characters
    std::string_view timeOn;       // as stored
    std::string_view frequency;    // as stored
    std::string_view mode;         // as stored
    std::string_view callsign;
    std::string_view rstSent;
    std::string_view rstReceived;
    std::string_view gridSquare; // empty for "------"
    std::string_view comment;    // empty for "------------"
    bool qslSent = false;
    bool qslReceived = false;

    std::string_view QsoDate() const { return {qsoDate.data(), qsoDate.size()}; }
};

// The fields of the record whose 60 characters `recordText` holds; nothing
// when its year cannot be read, and the user is then to be shown
// IllegalYearMessage.
std::optional<RecordFields> DecodeFields(std::string_view recordText);

// "Illegal year in QSO ", the 60 characters, ", ignoring QSO".
std::string IllegalYearMessage(std::string_view recordText);

} // namespace Conversion
