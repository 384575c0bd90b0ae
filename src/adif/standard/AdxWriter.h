#pragma once

#include "adif/standard/StandardFormWriter.h"

namespace Conversion {

// ADX, the XML form of ADIF 3, in UTF-8: the same records and fields as the
// standard ADI form, and a comment's own text, accents and all, in
// COMMENT_INTL.
class AdxWriter final : public StandardFormWriter
{
public:
    explicit AdxWriter(FindingSink& findings) : StandardFormWriter(findings) {}

    void WriteHeader(OutputChannel& output) override;
    void WriteEnd(OutputChannel& output) override;
    std::size_t LongestLine() const override;
    char* WriteRecord(const RecordFields& fields, std::uint64_t recordNumber, char* line) override;
};

} // namespace Conversion
