#pragma once

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

// Decodes one record: its ADIF fields are handed to AppendField, in the order
// they are written, onto `exportRecord`. False when the record's year cannot
// be read: nothing is appended, and the user is to be shown
// IllegalYearMessage. `recordText` holds exactly 60 characters.
bool DecodeRecord(std::string_view recordText, std::string& exportRecord);

// "Illegal year in QSO ", the 60 characters, ", ignoring QSO".
std::string IllegalYearMessage(std::string_view recordText);

} // namespace Conversion
