#pragma once

#include "common/OutputChannel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace Conversion {

// `theData` with every "<" removed, wherever it stands; the empty text on failure.
std::string RemoveLeadingAngleBrackets(std::string_view theData) noexcept;

// Appends "<Fieldname:length>value " to `exportRecord`, the value cleaned of
// "<" and its length counted in bytes. A value that is empty once cleaned
// leaves the field out.
void AppendField(std::string& exportRecord, std::string_view Fieldname,
                 std::string_view theData) noexcept;

// The most a field's text takes beyond its name and value: "<", ":", the
// length's digits, ">" and the space.
inline constexpr std::size_t kFieldTextOverhead =
    4 + std::numeric_limits<std::size_t>::digits10 + 1;

// Copies the `size` bytes at `from` to `to`. Record values and the texts
// around them are short: two copies of a fixed size that overlap in the
// middle do it without a call to memcpy, and read and write only the text's
// own bytes. Sizes are told apart by halves, two or three tests each.
[[gnu::always_inline]] inline char* CopyShortText(char* to, const char* from,
                                                  std::size_t size) noexcept
{
    struct Bytes16
    {
        std::array<char, 16> bytes;
    };
    const auto copyEnds = [&](auto word) {
        constexpr std::size_t kWord = sizeof(word);
        std::memcpy(&word, from, kWord);
        std::memcpy(to, &word, kWord);
        std::memcpy(&word, from + size - kWord, kWord);
        std::memcpy(to + size - kWord, &word, kWord);
    };
    if (size >= 4) {
        if (size < 8)
            copyEnds(std::uint32_t{});
        else if (size <= 16)
            copyEnds(std::uint64_t{});
        else if (size <= 32)
            copyEnds(Bytes16{});
        else
            std::memcpy(to, from, size);
    } else if (size >= 2) {
        copyEnds(std::uint16_t{});
    } else if (size == 1) {
        *to = *from;
    }
    return to + size;
}

// "<Fieldname:length>value " for a value written as it stands, assembled in
// place at `out`, with the name in two parts: `namePrefix` (the empty text
// for most fields, "APP_..." for the program's own) and `Fieldname`. `out`
// has room for the name, the value and kFieldTextOverhead; nothing is written
// for an empty value. Returns the new end.
[[gnu::always_inline]] inline char* AppendFieldText(char* out, std::string_view namePrefix,
                                                    std::string_view Fieldname,
                                                    std::string_view value) noexcept
{
    if (value.empty())
        return out;
    *out++ = '<';
    out = std::copy(namePrefix.begin(), namePrefix.end(), out);
    out = std::copy(Fieldname.begin(), Fieldname.end(), out);
    *out++ = ':';
    constexpr std::size_t kOneDigit = 10;
    constexpr std::size_t kTwoDigits = 100;
    if (value.size() < kOneDigit) { // most fields of a record
        *out++ = static_cast<char>('0' + value.size());
    } else if (value.size() < kTwoDigits) { // the rest
        *out++ = static_cast<char>('0' + value.size() / 10);
        *out++ = static_cast<char>('0' + value.size() % 10);
    } else {
        out = std::to_chars(out, out + kFieldTextOverhead, value.size()).ptr;
    }
    *out++ = '>';
    out = CopyShortText(out, value.data(), value.size());
    *out++ = ' ';
    return out;
}

// The same for a name in one part.
[[gnu::always_inline]] inline char* AppendFieldText(char* out, std::string_view Fieldname,
                                                    std::string_view value) noexcept
{
    return AppendFieldText(out, {}, Fieldname, value);
}

// AppendField onto a record assembled in place: the same text, written at
// `exportRecord`, the record's end so far, which has room for the name, the
// value and kFieldTextOverhead. Returns the new end. Allocates nothing and
// cannot fail, so that the record loop assembles each record straight into
// the output's buffer.
inline char* AppendField(char* exportRecord, std::string_view Fieldname,
                         std::string_view theData) noexcept
{
    // The value as RemoveLeadingAngleBrackets cleans it, without a copy of its own.
    const std::size_t length =
        theData.size() - static_cast<std::size_t>(std::count(theData.begin(), theData.end(), '<'));
    if (length == theData.size())
        return AppendFieldText(exportRecord, Fieldname, theData);
    if (length == 0)
        return exportRecord;
    char* out = exportRecord;
    *out++ = '<';
    out = std::copy(Fieldname.begin(), Fieldname.end(), out);
    *out++ = ':';
    out = std::to_chars(out, out + kFieldTextOverhead, length).ptr;
    *out++ = '>';
    out = std::remove_copy(theData.begin(), theData.end(), out, '<');
    *out++ = ' ';
    return out;
}

// The four header lines: "ADIF file", the creation stamp (product, version,
// current UTC time), the ProgramID field and "<EOH>". A failure leaves the
// lines written so far.
void WriteExportHeader(OutputChannel& output) noexcept;

// Closes a record: what every field text ended with is followed by "<EOR>".
inline constexpr std::string_view kEndOfRecord = "<EOR>";

} // namespace Conversion
