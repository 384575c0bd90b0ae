#include "dxcc/Entity.h"

// Placeholder until the table lands: no callsign has a single answer yet.
namespace Dxcc {

Lookup LookUpEntity(std::string_view /*call*/, std::string_view /*date*/, std::string_view /*time*/)
{
    return {Lookup::Result::Ambiguous, {}};
}

std::string_view EntityTableSources()
{
    return {};
}

} // namespace Dxcc
