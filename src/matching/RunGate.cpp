#include "matching/RunGate.h"

namespace Matching {

void RunGate::StartLog(std::string_view logName)
{
    if (logbook_)
        logbook_->StartLog(logName);
    duplicates_.StartLog(logName);
}

// A contact the logbook holds is left out as such, and is not one the run's
// later records could repeat.
bool RunGate::Admit(const Conversion::StandardRecord& record, std::uint64_t recordNumber,
                    Conversion::FindingSink& findings)
{
    if (logbook_ && !logbook_->Admit(record, recordNumber, findings))
        return false;
    return duplicates_.Admit(record, recordNumber, findings);
}

} // namespace Matching
