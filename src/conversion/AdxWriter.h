#pragma once

#include "RecordWriter.h"
#include "StandardRecord.h"

namespace Conversion {

// ADX, the XML form of ADIF 3, in UTF-8: the same records and fields as the
// standard ADI form, and a comment's own text, accents and all, in
// COMMENT_INTL.
class AdxWriter final : public RecordWriter
{
public:
    explicit AdxWriter(FindingSink& findings) : findings_(findings) {}

    void WriteHeader(OutputChannel& output) override;
    void WriteEnd(OutputChannel& output) override;
    std::size_t LongestLine() const override;
    char* WriteRecord(const RecordFields& fields, std::uint64_t recordNumber, char* line) override;
    void SkipRecord(std::string_view recordText, std::uint64_t recordNumber) override;

private:
    FindingSink& findings_;
    StandardRecord record_;
};

} // namespace Conversion
