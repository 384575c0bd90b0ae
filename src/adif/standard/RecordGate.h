#pragma once

#include "adif/standard/Findings.h"

#include <cstdint>
#include <string_view>

namespace Conversion {

class StandardRecord;

// Decides, record by record, which records of a run the standard forms
// write: one that is already there, in the run or in the user's logbook, is
// left out. Every record left out, and every doubt, is a finding.
class RecordGate
{
public:
    virtual ~RecordGate() = default;
    // The log whose records come next, as its findings name it.
    virtual void StartLog(std::string_view logName) = 0;
    // Whether the record at `recordNumber` of the current log is written.
    virtual bool Admit(const StandardRecord& record, std::uint64_t recordNumber,
                       FindingSink& findings) = 0;
    // The current log's conversion failed: none of its records is the run's,
    // and no later record repeats them.
    virtual void AbandonLog() = 0;
};

} // namespace Conversion
