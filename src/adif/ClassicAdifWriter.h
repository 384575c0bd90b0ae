#pragma once

#include "adif/RecordWriter.h"

namespace Conversion {

// The program's own form, byte for byte as it has always been written: the
// four-line header, then one line of fields per record.
class ClassicAdifWriter final : public RecordWriter
{
public:
    void WriteHeader(OutputChannel& output) override;
    std::size_t LongestLine() const override;
    char* WriteRecord(const RecordFields& fields, std::uint64_t recordNumber, char* line) override;
};

} // namespace Conversion
