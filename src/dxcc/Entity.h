#pragma once

#include <string_view>

// The DXCC entity a callsign belonged to on a QSO's date, looked up offline in
// the table that make-entity-table.py makes from AD1C's country files
// (prefixes, zones, continents) and TrustedQSL's entity list (ADIF names and
// the dates each entity existed).
namespace Dxcc {

struct Entity
{
    int dxcc = 0;               // the entity's ADIF DXCC number
    std::string_view name;      // its ADIF name, e.g. "FEDERAL REPUBLIC OF GERMANY"
    std::string_view continent; // "AF", "AN", "AS", "EU", "NA", "OC" or "SA"
    int cqZone = 0;             // for this callsign, its own zones where it has them
    int ituZone = 0;
};

struct Lookup
{
    enum class Result {
        Found,     // `entity` holds the answer
        NoEntity,  // no prefix of the table fits the callsign: most likely a typo
        NotOnDate, // `entity` fits the callsign but did not exist at the QSO's time
        NoDate,    // the QSO has no real date to look up by
        Mobile,    // maritime or aeronautical mobile (/MM, /AM): no entity
        Ambiguous, // no single answer: the callsign's parts, or a prefix then another entity's
    };
    Result result = Result::NoEntity;
    Entity entity;
};

// The entity of `call` (upper case, as standard ADIF writes it) at `date`
// ("YYYYMMDD") and `time` ("HHMM", or empty where the QSO has none).
Lookup LookUpEntity(std::string_view call, std::string_view date, std::string_view time);

// The packages and versions the table was made from, for --version:
// e.g. "hamradio-files 20230502, trustedqsl 2.6.5-2".
std::string_view EntityTableSources();

} // namespace Dxcc
