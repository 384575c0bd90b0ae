#pragma once

#include "adif/standard/StandardFormWriter.h"

namespace Conversion {

// Standard ADIF 3 in its ADI form: a free-text first line and the standard
// header fields, then one line per record, ASCII 32 to 126 only and no "<" or
// ">" inside a value; what a standard field could not take is kept in
// APP_KESTRELTOADIF_ fields, escaped.
class StandardAdifWriter final : public StandardFormWriter
{
public:
    StandardAdifWriter(FindingSink& findings, const StandardOptions& options)
        : StandardFormWriter(findings, options)
    {
    }

    void WriteHeader(Common::TextStream& output) override;

private:
    void WriteField(Common::TextStream& output, const StandardField& field) override;
    std::string_view RecordStart() const override { return {}; }
    std::string_view RecordEnd() const override { return "<EOR>"; }
};

} // namespace Conversion
