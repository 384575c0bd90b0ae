#pragma once

#include "adif/standard/RecordGate.h"
#include "matching/LogbookGate.h"
#include "matching/RunDuplicates.h"

#include <optional>
#include <string>

namespace Matching {

// What a run writes of its records: those the user's logbook, where given,
// does not hold, and of those the ones that do not repeat an earlier record
// of the run. One gate serves every log of the run.
class RunGate final : public Conversion::RecordGate
{
public:
    RunGate() = default;
    // The logbook outlives the gate.
    RunGate(const Logbook& logbook, std::string logbookName)
    {
        logbook_.emplace(logbook, std::move(logbookName));
    }

    void StartLog(std::string_view logName) override;
    void AbandonLog() override { duplicates_.AbandonLog(); }
    bool Admit(const Conversion::StandardRecord& record, std::uint64_t recordNumber,
               Conversion::FindingSink& findings) override;

private:
    std::optional<LogbookGate> logbook_;
    RunDuplicates duplicates_;
};

} // namespace Matching
