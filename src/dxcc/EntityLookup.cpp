#include "dxcc/CallsignParts.h"
#include "dxcc/Entity.h"
#include "dxcc/EntityDates.h"
#include "dxcc/EntityTable.h"
#include "dxcc/FormerPrefixes.h"
#include "dxcc/KeySearch.h"

#include <algorithm>
#include <array>
#include <optional>

// The rules: an exact callsign of the table first, then its longest prefix.
// Of a callsign with "/", a prefix before the callsign names where the station
// is; after it, /MM and /AM put the station at sea or in the air, the suffixes
// of how it works say nothing, and a call area digit or a prefix counts only
// where it names the entity the callsign does. Where the rules give two
// answers, none is chosen.
namespace Dxcc {

namespace {

using Table::kVariants;

// The table's two lists, made ready for searching on first use.
const Table::KeySearch& ExactCalls()
{
    static const Table::KeySearch search(Table::kExactCalls);
    return search;
}

const Table::KeySearch& Prefixes()
{
    static const Table::KeySearch search(Table::kPrefixes);
    return search;
}

// The variant of the table that a callsign names, or why there is none.
struct Resolution
{
    Lookup::Result result;
    std::uint16_t variant = 0;
};

Resolution Found(std::optional<std::uint16_t> variant)
{
    if (!variant)
        return {Lookup::Result::NoEntity};
    return {Lookup::Result::Found, *variant};
}

std::optional<std::uint16_t> PrefixVariant(std::string_view text)
{
    const auto match = Prefixes().LongestBeginning(text);
    return match ? std::optional<std::uint16_t>(match->variant) : std::nullopt;
}

std::optional<std::uint16_t> CallVariant(std::string_view call)
{
    if (const auto exact = ExactCalls().Find(call))
        return exact;
    return PrefixVariant(call);
}

bool SameEntity(std::uint16_t variant, std::uint16_t other)
{
    return kVariants[variant].entity == kVariants[other].entity;
}

// A part that names a place: a prefix of the table as it stands ("VP2E"), or
// a short part that is no callsign ("F", "KH6", "EA8").
bool IsPrefixLike(std::string_view part)
{
    const auto match = Prefixes().LongestBeginning(part);
    return (match && match->length == part.size()) ||
           (part.size() <= 4 && !LooksLikeCallsign(part));
}

// `call` worked from call area `digit`: the call with its area digit, the last
// digit, changed. A single answer only where both name the same entity: W1AW/4
// is the United States either way, UA9ABC/1 could be either Russia.
Resolution InCallArea(std::string_view call, char digit)
{
    const std::optional<std::uint16_t> own = CallVariant(call);
    if (!own)
        return {Lookup::Result::NoEntity};
    // No prefix is longer than a key, so the rest of a long call does not matter.
    std::array<char, Table::kLongestKey> moved{};
    const std::size_t length = std::min(call.size(), moved.size());
    const std::size_t areaAt = call.substr(0, length).find_last_of("0123456789");
    if (areaAt == std::string_view::npos)
        return {Lookup::Result::Ambiguous};
    std::copy_n(call.begin(), length, moved.begin());
    moved[areaAt] = digit;
    const std::optional<std::uint16_t> there = PrefixVariant({moved.data(), length});
    if (!there || !SameEntity(*own, *there))
        return {Lookup::Result::Ambiguous};
    // Its zones are those of the area it was worked from.
    return {Lookup::Result::Found, *there};
}

Resolution Station(std::string_view call, char areaDigit)
{
    return areaDigit != 0 ? InCallArea(call, areaDigit) : Found(CallVariant(call));
}

Resolution Resolve(std::string_view call)
{
    if (call.find('/') == std::string_view::npos)
        return Found(CallVariant(call));
    const CallParts split = SplitCall(call);
    // At sea or in the air a station is in no entity, though the table lists
    // a few such callsigns where contest logs placed them.
    if (split.mobile)
        return {Lookup::Result::Mobile};
    if (const auto exact = ExactCalls().Find(call))
        return {Lookup::Result::Found, *exact};
    if (split.unclear || split.count == 0)
        return {Lookup::Result::Ambiguous};
    if (split.count == 1)
        return Station(split.parts[0], split.areaDigit);
    const std::string_view first = split.parts[0];
    const std::string_view second = split.parts[1];
    // KH6/W1AW: where the station is, written before its callsign.
    if (IsPrefixLike(first) && LooksLikeCallsign(second) && !IsPrefixLike(second))
        return Found(PrefixVariant(first));
    // W1AW/KH6 may name where the station is, or be a suffix of some event:
    // a single answer only where both name the same entity.
    if (LooksLikeCallsign(first) && !IsPrefixLike(first) && IsPrefixLike(second)) {
        const Resolution station = Station(first, split.areaDigit);
        const std::optional<std::uint16_t> where = PrefixVariant(second);
        if (station.result == Lookup::Result::Found && where &&
            !SameEntity(station.variant, *where))
            return {Lookup::Result::Ambiguous};
        return station;
    }
    return {Lookup::Result::Ambiguous};
}

} // namespace

Lookup LookUpEntity(std::string_view call, std::string_view date, std::string_view time)
{
    const Resolution resolution = Resolve(call);
    if (resolution.result != Lookup::Result::Found)
        return {resolution.result, {}};
    const Table::Variant& variant = kVariants[resolution.variant];
    const Table::EntityRow& row = Table::kEntities[variant.entity];
    const Entity entity{row.dxcc, row.name, Table::kContinents[variant.continent], variant.cqZone,
                        variant.ituZone};
    // An exact callsign of the table holds only while its entity existed, as
    // a prefix does: the table names today's entities.
    const std::optional<QsoMoment> moment = ReadQsoMoment(date, time);
    if (!moment)
        return {Lookup::Result::NoDate, {}};
    if (HeldByADeletedEntity(call, *moment))
        return {Lookup::Result::Ambiguous, {}};
    switch (ExistenceAt(row, *moment)) {
    case Existence::Existed:
        return {Lookup::Result::Found, entity};
    case Existence::DidNotExist:
        return {Lookup::Result::NotOnDate, entity};
    case Existence::Unknown:
        break;
    }
    return {Lookup::Result::Ambiguous, {}};
}

std::string_view EntityTableSources()
{
    return Table::kSources;
}

} // namespace Dxcc
