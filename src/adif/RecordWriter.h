#pragma once

#include "common/TextStream.h"
#include "record/LogRecord.h"

#include <cstdint>
#include <string_view>

namespace Conversion {

// Writes the records of one conversion in one form of ADIF, each decoded
// record as it comes, onto the text stream it is handed.
class RecordWriter
{
public:
    virtual ~RecordWriter() = default;

    // The header of an output that holds nothing yet.
    virtual void WriteHeader(Common::TextStream& output) = 0;
    // The record at position `recordNumber` of the log (from 1); false where
    // it is left out, as one the output holds already.
    virtual bool WriteRecord(const RecordFields& fields, std::uint64_t recordNumber,
                             Common::TextStream& output) = 0;
    // A record that is not written: its year cannot be read.
    virtual void SkipRecord(std::string_view /*recordText*/, std::uint64_t /*recordNumber*/) {}
    // What follows the last record; most forms need nothing.
    virtual void WriteEnd(Common::TextStream& /*output*/) {}
};

} // namespace Conversion
