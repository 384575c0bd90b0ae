#pragma once

#include "adif/standard/AdifTables.h"
#include "adif/standard/Findings.h"
#include "adif/standard/ThreeByteMemo.h"
#include "adif/standard/Windows1252Text.h"
#include "record/LogRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One record as standard ADIF 3 holds it, for the ADI and the ADX writers
// alike: every value trimmed and of its field's type, or left out and kept
// unchanged in a field of ours, and every such change reported.
namespace Conversion {

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
    // Band and frequency follow from the frequency's three bytes alone, mode
    // and submode from the mode's: their keys, for a writer's own memo of
    // what it writes for them.
    ThreeByteKey frequencyKey;
    ThreeByteKey modeKey;

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
        std::array<char, kLongestValue * kAsciiForRoom> text_{};
    };

    // What a frequency or a mode field means, before the record's findings.
    struct BandMeaning
    {
        bool blank = false;
        const Band* band = nullptr; // nothing where the text names none
        // Where the field holds the frequency; an empty span where it is none.
        std::uint8_t frequencyStart = 0;
        std::uint8_t frequencyLength = 0;
    };
    struct ModeMeaning
    {
        bool blank = false;
        std::optional<Mode> mode;
    };
    static BandMeaning WorkOutBand(std::string_view stored);
    static ModeMeaning WorkOutMode(std::string_view stored);

    std::array<char, 8> date_{};
    std::array<char, 10> call_{};
    ThreeByteMemo<BandMeaning> bands_;
    ThreeByteMemo<ModeMeaning> modes_;
    AsciiText rstSentText_;
    AsciiText rstReceivedText_;
    AsciiText commentText_;
    std::array<KeptValue, 9> kept_{};
    std::size_t keptCount_ = 0;

    // One standard value each, from the record's field.
    std::string_view Date(const RecordFields& fields);
    std::string_view Time(std::string_view stored);
    void BandAndFrequency(std::string_view stored);
    void ModeAndSubmode(std::string_view stored);
    std::string_view Callsign(std::string_view stored);
    std::string_view Grid(std::string_view stored);
    std::string_view Text(std::string_view field, std::string_view stored, AsciiText& ascii);

    void Report(std::string_view field, std::string_view bytes, std::string_view problem,
                Finding::Action action, std::string_view written = {}) const;
    void Keep(std::string_view field, std::string_view bytes);
    // Reports a value left out of its field and keeps it; returns the empty value.
    std::string_view LeftOut(std::string_view field, std::string_view bytes,
                             std::string_view problem);

    // The record being assigned, for its findings.
    std::uint64_t recordNumber_ = 0;
    FindingSink* findings_ = nullptr;
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
