#include "adif/standard/StandardFormWriter.h"

#include "adif/standard/Windows1252Text.h"

namespace Conversion {

void StandardFormWriter::WriteRecord(const RecordFields& fields, std::uint64_t recordNumber,
                                     Common::TextStream& output)
{
    record_.Assign(fields, recordNumber, findings_);
    const StandardRecord& r = record_;
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
    field("COMMENT", r.comment);
    field("COMMENT_INTL", r.commentIntl, StandardField::Kind::International);
    if (r.qslSent)
        field("QSL_SENT", "Y");
    if (r.qslReceived)
        field("QSL_RCVD", "Y");
    for (const KeptValue& kept : r.Kept())
        field(kept.field, EscapedBytes(kept.bytes, EscapedFor::AdifValue),
              StandardField::Kind::Kept);
    output << RecordEnd();
    output.EndLine();
}

void StandardFormWriter::SkipRecord(std::string_view recordText, std::uint64_t recordNumber)
{
    ReportSkippedRecord(recordText, recordNumber, findings_);
}

} // namespace Conversion
