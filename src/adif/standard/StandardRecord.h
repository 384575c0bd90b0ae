#pragma once

#include "adif/standard/Findings.h"
#include "adif/standard/StandardOptions.h"
#include "dxcc/Entity.h"
#include "record/LogRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One record as standard ADIF 3 holds it, for the ADI and the ADX writers
// alike: every value trimmed, of its field's type and without "<" or ">", or
// left out and kept unchanged in a field of ours, and every such change
// reported.
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
    // old mode names, the band from its indicator) goes to `findings`, and so
    // does a callsign without an entity where `options` ask for entities. The
    // values are valid until the next Assign.
    void Assign(const RecordFields& fields, std::uint64_t recordNumber, FindingSink& findings,
                const StandardOptions& options = {});

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
    // The comment's own text in UTF-8, "<" and ">" included, where ASCII lost
    // letters of it; only ADX, which escapes them, can carry it.
    std::string_view commentIntl;
    bool qslSent = false;
    bool qslReceived = false;
    // The entity's fields, where the options ask for them and the callsign
    // has an entity on the QSO's date.
    std::string_view dxcc;
    std::string_view country;
    std::string_view cqZone;
    std::string_view ituZone;
    std::string_view continent;
    // The user's station, from the options.
    std::string_view stationCallsign;
    std::string_view operatorCall;
    std::string_view myGridSquare;
    // How the entity was looked up; NoEntity where the options do not ask.
    const Dxcc::Lookup& EntityLookup() const { return entity_; }
    // The values kept in fields of ours, in the order of the fields.
    const std::vector<KeptValue>& Kept() const { return kept_; }

private:
    // One standard value each, from the record's field.
    std::string_view Date(const RecordFields& fields);
    std::string_view Time(std::string_view stored);
    void BandAndFrequency(std::string_view stored);
    void ModeAndSubmode(std::string_view stored);
    std::string_view Callsign(std::string_view stored);
    std::string_view Grid(std::string_view stored);
    std::string_view Text(std::string_view field, std::string_view stored, std::string& text);
    void Entity(std::string_view stored);

    void Report(std::string_view field, std::string_view bytes, std::string_view problem,
                Finding::Action action, std::string_view written = {}) const;
    void Keep(std::string_view field, std::string_view bytes);
    // Reports a value left out of its field and keeps it; returns the empty value.
    std::string_view LeftOut(std::string_view field, std::string_view bytes,
                             std::string_view problem);

    // What values are written from where they are not the record's own bytes.
    std::string date_;
    std::string call_;
    std::string rstSentText_;
    std::string rstReceivedText_;
    std::string commentText_;
    std::string commentIntlText_;
    std::vector<KeptValue> kept_;
    Dxcc::Lookup entity_;
    std::string dxccText_;
    std::string cqZoneText_;
    std::string ituZoneText_;
    std::string entityDetail_;

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
