#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace Conversion {

// A Kestrel log is a plain sequence of these records: no header, no trailer.
inline constexpr std::size_t kRecordSize = 64;
// Bytes 1 to 60 hold the fields; the last four are never read.
inline constexpr std::size_t kRecordTextLength = 60;

using RecordBytes = std::array<unsigned char, kRecordSize>;

struct AdifField
{
    std::string name;
    std::string value;
    bool operator==(const AdifField&) const = default;
};

// A record whose year cannot be read: the message to show; nothing is written.
struct IllegalYear
{
    std::string message;
};

using RecordFields = std::vector<AdifField>;
using DecodedRecord = std::variant<RecordFields, IllegalYear>;

// The record's first 60 bytes as text, each byte one character, NULs and
// high bytes included.
std::string BuildRecordText(const RecordBytes& recordBytes);

// The year characters as a number: two digits, one digit with a space before
// or after it, or a sign and a digit. Every other text has no value.
std::optional<std::int16_t> ConvertYear(std::string_view yearText);

// Leading and trailing spaces removed; no other character counts as blank.
std::string_view TrimSpaces(std::string_view text);

// The ADIF fields of one record, in the order they are written, or the
// illegal-year message. `recordText` holds exactly 60 characters.
DecodedRecord DecodeRecord(std::string_view recordText);

} // namespace Conversion
