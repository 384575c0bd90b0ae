#pragma once

#include "RecordWriter.h"
#include "StandardRecord.h"

namespace Conversion {

// Standard ADIF 3 in its ADI form: a free-text first line and the standard
// header fields, then one line per record, ASCII 32 to 126 only; what a
// standard field could not take is kept in APP_KESTRELTOADIF_ fields, escaped.
class StandardAdifWriter final : public RecordWriter
{
public:
    explicit StandardAdifWriter(FindingSink& findings) : findings_(findings) {}

    void WriteHeader(OutputChannel& output) override;
    std::size_t LongestLine() const override;
    char* WriteRecord(const RecordFields& fields, std::uint64_t recordNumber, char* line) override;
    void SkipRecord(std::string_view recordText, std::uint64_t recordNumber) override;

private:
    FindingSink& findings_;
    StandardRecord record_;
};

} // namespace Conversion
