#pragma once

#include "adif/RecordWriter.h"
#include "adif/standard/StandardRecord.h"

namespace Conversion {

// What the ADI and the ADX writer of standard ADIF 3 share: each record made
// standard once, with its findings, and skipped records reported too.
class StandardFormWriter : public RecordWriter
{
public:
    void SkipRecord(std::string_view recordText, std::uint64_t recordNumber) final
    {
        ReportSkippedRecord(recordText, recordNumber, findings_);
    }

protected:
    explicit StandardFormWriter(FindingSink& findings) : findings_(findings) {}

    const StandardRecord& Standardized(const RecordFields& fields, std::uint64_t recordNumber)
    {
        record_.Assign(fields, recordNumber, findings_);
        return record_;
    }

private:
    FindingSink& findings_;
    StandardRecord record_;
};

} // namespace Conversion
