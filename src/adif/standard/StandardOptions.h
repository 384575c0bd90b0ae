#pragma once

#include <string>

namespace Conversion {

class RecordGate;

// The user's own station, written into every standard record where given.
struct StationFields
{
    std::string stationCallsign; // STATION_CALLSIGN
    std::string operatorCall;    // OPERATOR
    std::string myGridSquare;    // MY_GRIDSQUARE
};

// What the standard forms add to the records, and which they write.
struct StandardOptions
{
    // DXCC, COUNTRY, CQZ, ITUZ and CONT from the callsign, where it has an entity.
    bool entities = false;
    StationFields station;
    // Decides which records are written; every record when there is none.
    RecordGate* gate = nullptr;
};

} // namespace Conversion
