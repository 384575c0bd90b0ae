#include "adif/ClassicAdifWriter.h"

#include "adif/AdifWriter.h"

#include <algorithm>

namespace Conversion {

void ClassicAdifWriter::WriteHeader(OutputChannel& output)
{
    WriteExportHeader(output);
}

std::size_t ClassicAdifWriter::LongestLine() const
{
    return kLongestFieldsText + kEndOfRecord.size();
}

char* ClassicAdifWriter::WriteRecord(const RecordFields& fields, std::uint64_t /*recordNumber*/,
                                     char* line)
{
    char* const end = AppendClassicFields(fields, line);
    return std::copy(kEndOfRecord.begin(), kEndOfRecord.end(), end);
}

} // namespace Conversion
