#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The DXCC entity table as make-entity-table.py writes it into EntityTable.cpp:
// small rows of numbers and two sorted lists of keys packed into text, so that
// the programs and the page carry it in little room.
namespace Dxcc::Table {

// One entity of TrustedQSL's list. It existed from its start (inclusive) to
// its end (exclusive); an end date of 0 means it still exists.
struct EntityRow
{
    const char* name;        // its ADIF name
    std::uint32_t fromDate;  // YYYYMMDD
    std::uint32_t untilDate; // YYYYMMDD, or 0
    std::uint16_t fromTime;  // HHMM
    std::uint16_t untilTime; // HHMM
    std::uint16_t dxcc;
};

// An entity with the zones and continent that go with a key: a prefix or a
// callsign may have zones of its own. Most keys share a few variants.
struct Variant
{
    std::uint16_t entity; // index into kEntities
    std::uint8_t cqZone;
    std::uint8_t ituZone;
    std::uint8_t continent; // index into kContinents
};

inline constexpr std::string_view kContinents[] = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};

// Keys in ASCII order, each with the index of its variant, front-coded: each
// key is written as one code (the number of leading characters it shares with
// the key before it), the characters that differ, and the variant's one or two
// codes. Codes are characters that no key holds (see kCodes).
struct PackedKeys
{
    // The text in parts, each of whole entries; a key may share characters
    // with the last key of the part before.
    const std::string_view* parts;
    std::size_t partCount;
    std::size_t count; // keys in all
};

inline constexpr std::string_view kCodes = "abcdefghijklmnopqrstuvwxyz!#$%&'()*+,-.:;<=>@[]^_`{|}~";
// Variants below kSingleCodes take one code; a code from kSingleCodes on leads
// a pair whose second code counts in full.
inline constexpr std::size_t kSingleCodes = 46;

extern const std::string_view kSources;
extern const EntityRow kEntities[];
extern const Variant kVariants[];
extern const PackedKeys kExactCalls; // the "=CALL" entries
extern const PackedKeys kPrefixes;

} // namespace Dxcc::Table
