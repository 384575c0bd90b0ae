#pragma once

#include "adif/AdifForm.h"
#include "adif/standard/Findings.h"
#include "common/OutputChannel.h"
#include "record/LogRecord.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace Conversion {

// Writes the records of one conversion in one form. The record loop hands it
// each decoded record and the room of the line to assemble it in; which form
// is decided once, when the writer is made.
class RecordWriter
{
public:
    virtual ~RecordWriter() = default;

    // The header of an output that holds nothing yet.
    virtual void WriteHeader(OutputChannel& output) = 0;
    // What follows the last record; most forms need nothing.
    virtual void WriteEnd(OutputChannel& /*output*/) {}

    // The most a record's line takes, without its line end.
    virtual std::size_t LongestLine() const = 0;
    // Assembles the line of the record at position `recordNumber` (from 1)
    // at `line`; returns its end.
    virtual char* WriteRecord(const RecordFields& fields, std::uint64_t recordNumber,
                              char* line) = 0;
    // A record that is not written: its year cannot be read.
    virtual void SkipRecord(std::string_view /*recordText*/, std::uint64_t /*recordNumber*/) {}
};

// The writer of `form`; the standard forms report what they change to `findings`.
std::unique_ptr<RecordWriter> MakeRecordWriter(AdifForm form, FindingSink& findings);

} // namespace Conversion
