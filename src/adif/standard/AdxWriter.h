#pragma once

#include "adif/standard/StandardFormWriter.h"

namespace Conversion {

// ADX, the XML form of ADIF 3, in UTF-8: the same records and fields as the
// standard ADI form, and a comment's own text, accents and all, in
// COMMENT_INTL.
class AdxWriter final : public StandardFormWriter
{
public:
    AdxWriter(FindingSink& findings, const StandardOptions& options)
        : StandardFormWriter(findings, options)
    {
    }

    void WriteHeader(Common::TextStream& output) override;
    void WriteEnd(Common::TextStream& output) override;

private:
    void WriteField(Common::TextStream& output, const StandardField& field) override;
    std::string_view RecordStart() const override { return "<RECORD>"; }
    std::string_view RecordEnd() const override { return "</RECORD>"; }
};

} // namespace Conversion
