#pragma once

#include "adif/standard/StandardFormWriter.h"
#include "adif/standard/ThreeByteMemo.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace Conversion {

// Standard ADIF 3 in its ADI form: a free-text first line and the standard
// header fields, then one line per record, ASCII 32 to 126 only; what a
// standard field could not take is kept in APP_KESTRELTOADIF_ fields, escaped.
class StandardAdifWriter final : public StandardFormWriter
{
public:
    explicit StandardAdifWriter(FindingSink& findings) : StandardFormWriter(findings) {}

    void WriteHeader(OutputChannel& output) override;
    std::size_t LongestLine() const override;
    char* WriteRecord(const RecordFields& fields, std::uint64_t recordNumber, char* line) override;

private:
    // The text of two fields that follow from one three-byte field of the
    // record alone: BAND and FREQ from the frequency, MODE and SUBMODE from
    // the mode. Assembled once per such text, copied from then on.
    struct FieldPairText
    {
        std::array<char, 96> text;
        std::uint8_t size;
    };
    static FieldPairText PairText(std::string_view firstName, std::string_view first,
                                  std::string_view secondName, std::string_view second);

    ThreeByteMemo<FieldPairText> bandTexts_;
    ThreeByteMemo<FieldPairText> modeTexts_;
};

} // namespace Conversion
