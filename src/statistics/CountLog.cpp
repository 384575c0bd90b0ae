#include "statistics/CountLog.h"

#include "adif/standard/LogOfTheRun.h"
#include "adif/standard/RecordGate.h"
#include "adif/standard/StandardOptions.h"
#include "adif/standard/StandardRecord.h"
#include "files/LogFile.h"
#include "record/LogRecord.h"

#include <optional>

namespace Statistics {

LogStatistics CountLog(const std::string& path, Conversion::RecordGate* gate)
{
    Conversion::LogFile log(path);
    Conversion::LogOfTheRun ofTheRun(gate, path);
    LogStatistics counts;
    Conversion::StandardRecord record;
    Conversion::StandardOptions options;
    options.entities = true;
    std::uint64_t recordNumber = 0;
    for (std::string_view bytes = log.ReadRecord(); !bytes.empty(); bytes = log.ReadRecord()) {
        ++recordNumber;
        const std::string_view recordText = Conversion::BuildRecordText(bytes);
        const std::optional<Conversion::RecordFields> fields = Conversion::DecodeFields(recordText);
        if (!fields) {
            counts.CountSkipped(recordText, recordNumber);
            continue;
        }
        record.Assign(*fields, recordNumber, counts, options);
        if (gate != nullptr && !gate->Admit(record, recordNumber, counts))
            counts.CountLeftOut();
        else
            counts.Count(record);
    }
    ofTheRun.Keep();
    return counts;
}

} // namespace Statistics
