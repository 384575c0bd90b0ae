#include "matching/LogbookGate.h"

#include "adif/standard/StandardRecord.h"
#include "matching/ContactTime.h"

namespace Matching {

bool LogbookGate::Admit(const Conversion::StandardRecord& record, std::uint64_t recordNumber,
                        Conversion::FindingSink& findings)
{
    const std::optional<std::int64_t> second = ContactSecond(record.qsoDate, record.timeOn);
    const ModeGroup group = GroupOf(record.mode, record.submode);
    if (!second || record.call.empty() || record.band.empty() || group == ModeGroup::None)
        return true;
    const std::optional<std::uint64_t> held =
        logbook_.Find(record.call, record.band, group, *second);
    if (!held)
        return true;
    detail_ = logbookName_ + " as its record " + std::to_string(*held);
    findings.Report(Conversion::Finding{recordNumber,
                                        {},
                                        {},
                                        "already in",
                                        Conversion::Finding::Action::LeftOutRecord,
                                        {},
                                        detail_});
    return false;
}

} // namespace Matching
