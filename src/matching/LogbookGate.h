#pragma once

#include "adif/standard/RecordGate.h"
#include "matching/Logbook.h"

#include <string>

namespace Matching {

// Leaves out the records that the user's logbook holds already, each with
// the finding `record N: already in LOGBOOK as its record K; left out`. A
// record without a date, time, callsign, band or mode matches nothing: it is
// written, with the finding `record N: not matched against LOGBOOK (no
// TIME_ON); written`, naming the first key it lacks.
class LogbookGate final : public Conversion::RecordGate
{
public:
    // `logbookName`, as the user named the logbook, names it in the findings.
    LogbookGate(const Logbook& logbook, std::string logbookName)
        : logbook_(logbook), logbookName_(std::move(logbookName))
    {
    }

    void StartLog(std::string_view /*logName*/) override {}
    void AbandonLog() override {}
    bool Admit(const Conversion::StandardRecord& record, std::uint64_t recordNumber,
               Conversion::FindingSink& findings) override;

private:
    const Logbook& logbook_;
    std::string logbookName_;
    std::string detail_;
};

} // namespace Matching
