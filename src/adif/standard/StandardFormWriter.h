#pragma once

#include "adif/RecordWriter.h"
#include "adif/standard/Findings.h"
#include "adif/standard/StandardOptions.h"
#include "adif/standard/StandardRecord.h"

#include <string_view>

namespace Conversion {

// One field of a standard record as a writer is handed it.
struct StandardField
{
    enum class Kind {
        Ascii,         // a field of ASCII 32 to 126
        International, // an _INTL field, UTF-8: only ADX can carry it
        Kept,          // the program's own, keeping a value as the log holds it, escaped
    };
    std::string_view name; // for Kept, the standard field whose value it keeps
    std::string_view value;
    Kind kind = Kind::Ascii;
};

// What the ADI and the ADX form of standard ADIF 3 share: each record made
// standard once, with its findings, and walked field by field in one order;
// skipped records reported too. The two forms differ in how a field is
// written and in what opens and closes the file and each record.
class StandardFormWriter : public RecordWriter
{
public:
    bool WriteRecord(const RecordFields& fields, std::uint64_t recordNumber,
                     Common::TextStream& output) final;
    void SkipRecord(std::string_view recordText, std::uint64_t recordNumber) final;

protected:
    StandardFormWriter(FindingSink& findings, const StandardOptions& options)
        : findings_(findings), options_(options)
    {
    }

    // Writes one field, never empty, of the record's line.
    virtual void WriteField(Common::TextStream& output, const StandardField& field) = 0;
    // What the record's line starts and ends with.
    virtual std::string_view RecordStart() const = 0;
    virtual std::string_view RecordEnd() const = 0;

private:
    FindingSink& findings_;
    const StandardOptions& options_;
    StandardRecord record_;
};

} // namespace Conversion
