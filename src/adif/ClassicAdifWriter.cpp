#include "adif/ClassicAdifWriter.h"

#include "adif/AdifWriter.h"

namespace Conversion {

void ClassicAdifWriter::WriteHeader(Common::TextStream& output)
{
    WriteExportHeader(output);
}

bool ClassicAdifWriter::WriteRecord(const RecordFields& fields, std::uint64_t /*recordNumber*/,
                                    Common::TextStream& output)
{
    exportRecord_.clear();
    AppendField(exportRecord_, "QSO_DATE", fields.QsoDate());
    AppendField(exportRecord_, "TIME_ON", fields.timeOn);
    AppendField(exportRecord_, "FREQ", fields.frequency);
    AppendField(exportRecord_, "MODE", fields.mode);
    AppendField(exportRecord_, "CALL", fields.callsign);
    AppendField(exportRecord_, "RST_SENT", fields.rstSent);
    AppendField(exportRecord_, "RST_RCVD", fields.rstReceived);
    AppendField(exportRecord_, "GRIDSQUARE", fields.gridSquare);
    AppendField(exportRecord_, "Comment", fields.comment);
    if (fields.qslSent)
        AppendField(exportRecord_, "QSL_SENT", "Y");
    if (fields.qslReceived)
        AppendField(exportRecord_, "QSL_RCVD", "Y");
    exportRecord_ += "<EOR>";
    output.WriteLine(exportRecord_);
    return true;
}

} // namespace Conversion
