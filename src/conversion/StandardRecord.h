#pragma once

#include "Findings.h"
#include "LogRecord.h"
#include "Windows1252Text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One record as standard ADIF 3 holds it, for the ADI and the ADX writers
// alike: every value trimmed and of its field's type, or left out and kept
// unchanged in a field of ours, and every such change reported.
namespace Conversion {

class FindingReporter;

// A value the record holds that its standard field could not take as it is.
struct KeptValue
{
    std::string_view field; // the standard field it belongs to
    std::string_view bytes; // as the record holds it
};

class StandardRecord
{
public:
    StandardRecord() = default;
    // The values view storage of the object's own.
    StandardRecord(const StandardRecord&) = delete;
    StandardRecord& operator=(const StandardRecord&) = delete;

    // The standard values of `fields`, the record at position `recordNumber`
    // (from 1); what is changed beyond the plain translations (padding, case,
    // old mode names, the band from its indicator) goes to `findings`.
    void Assign(const RecordFields& fields, std::uint64_t recordNumber, FindingSink& findings);

    // Empty where the field is left out.
    std::string_view qsoDate;
    std::string_view timeOn;
    std::string_view band;
    std::string_view frequency;
    std::string_view mode;
    std::string_view submode;
    std::string_view call;
    std::string_view rstSent;
    std::string_view rstReceived;
    std::string_view gridSquare;
    std::string_view comment;
    bool qslSent = false;
    bool qslReceived = false;
    // The comment as the record holds it, Windows-1252, where ASCII lost
    // letters of it; ADX carries it in COMMENT_INTL.
    std::string_view commentIntl;

    // The values kept in fields of ours, in the order of the fields.
    const KeptValue* KeptBegin() const { return kept_.data(); }
    const KeptValue* KeptEnd() const { return kept_.data() + keptCount_; }

private:
    // A text field as ADIF's String type holds it, ASCII 32 to 126.
    class AsciiText
    {
    public:
        static constexpr std::size_t kLongestValue = 12;
        std::string_view From(std::string_view bytes);

    private:
        std::array<char, kLongestValue * kLongestAsciiFor> text_{};
    };

    std::array<char, 8> date_{};
    std::array<char, 10> call_{};
    AsciiText rstSentText_;
    AsciiText rstReceivedText_;
    AsciiText commentText_;
    std::array<KeptValue, 9> kept_{};
    std::size_t keptCount_ = 0;

    void Keep(std::string_view field, std::string_view bytes);
    std::string_view Date(const RecordFields& fields, const FindingReporter& report);
};

// A record whose year cannot be read is skipped in the standard forms too.
void ReportSkippedRecord(std::string_view recordText, std::uint64_t recordNumber,
                         FindingSink& findings);

// The standard header's fields: ADIF_VER, PROGRAMID, PROGRAMVERSION and
// CREATED_TIMESTAMP (the current UTC time, "YYYYMMDD HHMMSS").
struct HeaderField
{
    std::string_view name;
    std::string value;
};
std::array<HeaderField, 4> StandardHeaderFields();

} // namespace Conversion
