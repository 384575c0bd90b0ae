#pragma once

#include "OutputChannel.h"

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

// The four header lines: "ADIF file", the creation stamp (product, version,
// current UTC time), the ProgramID field and "<EOH>". A failure leaves the
// lines written so far.
void WriteExportHeader(OutputChannel& output) noexcept;

// Closes a record: what every field text ended with is followed by "<EOR>".
inline constexpr std::string_view kEndOfRecord = "<EOR>";

} // namespace Conversion
