#pragma once

#include "adif/RecordWriter.h"

#include <string>

namespace Conversion {

// The program's own form, byte for byte as it has always been written: the
// four-line header, then one line of fields per record, each value as the
// record holds it, cleaned of "<".
class ClassicAdifWriter final : public RecordWriter
{
public:
    void WriteHeader(Common::TextStream& output) override;
    bool WriteRecord(const RecordFields& fields, std::uint64_t recordNumber,
                     Common::TextStream& output) override;

private:
    // The record being assembled, its room kept from record to record.
    std::string exportRecord_;
};

} // namespace Conversion
