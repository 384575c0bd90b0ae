#pragma once

#include "StandardFormWriter.h"

#include <string>

namespace Conversion {

// Standard ADIF 3 in its ADI form: a free-text first line and the standard
// header fields, then one line per record, ASCII 32 to 126 only; what a
// standard field could not take is kept in APP_KESTRELTOADIF_ fields, escaped.
class StandardAdifWriter final : public StandardFormWriter
{
public:
    explicit StandardAdifWriter(FindingSink& findings) : StandardFormWriter(findings) {}

    void WriteHeader(OutputChannel& output) override;
    std::size_t LongestLine() const override;
    char* WriteRecord(const RecordFields& fields, std::uint64_t recordNumber, char* line) override;

private:
    std::string keptName_; // the name of a field of ours, reused from record to record
};

} // namespace Conversion
