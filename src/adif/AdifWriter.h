#pragma once

#include "common/TextStream.h"

#include <string>
#include <string_view>

// The ADIF writer of the classic form. It cleans a value, appends a field to
// the record being assembled and writes the header.
namespace Conversion {

// `theData` with every "<" removed, wherever it stands; the empty text on failure.
std::string RemoveLeadingAngleBrackets(std::string_view theData) noexcept;

// Appends "<Fieldname:length>value " to `exportRecord`, the value cleaned of
// "<" and its length counted in bytes. A value that is empty once cleaned
// leaves the field out; a field that cannot be appended is lost whole.
void AppendField(std::string& exportRecord, std::string_view Fieldname,
                 std::string_view theData) noexcept;

// The four header lines: "ADIF file", the creation stamp (product, version,
// current UTC time), the ProgramID field and "<EOH>". A failure leaves what
// was written before it; the output's first failure then fails the
// conversion, as every failed write does.
void WriteExportHeader(Common::TextStream& output) noexcept;

} // namespace Conversion
