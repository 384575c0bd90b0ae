#include "matching/LogbookGate.h"

#include "adif/standard/StandardRecord.h"
#include "matching/ContactTime.h"

#include <string_view>

namespace Matching {

bool LogbookGate::Admit(const Conversion::StandardRecord& record, std::uint64_t recordNumber,
                        Conversion::FindingSink& findings)
{
    const std::optional<std::int64_t> second = ContactSecond(record.qsoDate, record.timeOn);
    const ModeGroup group = GroupOf(record.mode, record.submode);
    // A record the logbook cannot be searched for is written, and said to be:
    // importing the output again would double it.
    const std::string_view missing = record.call.empty()                      ? "CALL"
                                     : record.band.empty()                    ? "BAND"
                                     : group == ModeGroup::None               ? "MODE"
                                     : !ContactSecond(record.qsoDate, "0000") ? "QSO_DATE"
                                     : !second                                ? "TIME_ON"
                                                                              : "";
    if (!missing.empty()) {
        detail_.assign(logbookName_).append(" (no ").append(missing).append(")");
        findings.Report(Conversion::Finding{recordNumber,
                                            {},
                                            {},
                                            "not matched against",
                                            Conversion::Finding::Action::Written,
                                            {},
                                            detail_});
        return true;
    }
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
