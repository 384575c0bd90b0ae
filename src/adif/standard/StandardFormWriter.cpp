#include "adif/standard/StandardFormWriter.h"

#include "adif/standard/RecordGate.h"
#include "adif/standard/Windows1252Text.h"

namespace Conversion {

bool StandardFormWriter::WriteRecord(const RecordFields& fields, std::uint64_t recordNumber,
                                     Common::TextStream& output)
{
    record_.Assign(fields, recordNumber, findings_, options_);
    const StandardRecord& r = record_;
    if (options_.gate != nullptr && !options_.gate->Admit(r, recordNumber, findings_))
        return false;
    output << RecordStart();
    const auto field = [this, &output](std::string_view name, std::string_view value,
                                       StandardField::Kind kind = StandardField::Kind::Ascii) {
        if (!value.empty())
            WriteField(output, {name, value, kind});
    };
    field("QSO_DATE", r.qsoDate);
    field("TIME_ON", r.timeOn);
    field("BAND", r.band);
    field("FREQ", r.frequency);
    field("MODE", r.mode);
    field("SUBMODE", r.submode);
    field("CALL", r.call);
    field("RST_SENT", r.rstSent);
    field("RST_RCVD", r.rstReceived);
    field("GRIDSQUARE", r.gridSquare);
    field("DXCC", r.dxcc);
    field("COUNTRY", r.country);
    field("CQZ", r.cqZone);
    field("ITUZ", r.ituZone);
    field("CONT", r.continent);
    field("COMMENT", r.comment);
    field("COMMENT_INTL", r.commentIntl, StandardField::Kind::International);
    if (r.qslSent)
        field("QSL_SENT", "Y");
    if (r.qslReceived)
        field("QSL_RCVD", "Y");
    field("STATION_CALLSIGN", r.stationCallsign);
    field("OPERATOR", r.operatorCall);
    field("MY_GRIDSQUARE", r.myGridSquare);
    for (const KeptValue& kept : r.Kept())
        field(kept.field, EscapedBytes(kept.bytes, EscapedFor::AdifValue),
              StandardField::Kind::Kept);
    output << RecordEnd();
    output.EndLine();
    return true;
}

void StandardFormWriter::SkipRecord(std::string_view recordText, std::uint64_t recordNumber)
{
    ReportSkippedRecord(recordText, recordNumber, findings_);
}

} // namespace Conversion
