#pragma once

#include "common/ErrorNumbers.h"

#include <cstdint>
#include <string_view>

namespace Common {

// Composes "program error N in module LOCATION: DESCRIPTION" and hands it to
// the error log. Shows nothing and never fails.
void ProgramError(std::int16_t number, std::string_view location) noexcept;

// The boundary every named procedure puts around its work: a failure inside
// `body` stops it and is reported under `location`; nothing propagates.
// Returns whether the body ran to its end.
template <class Body> bool ReportFailures(std::string_view location, Body&& body) noexcept
{
    try {
        body();
        return true;
    } catch (...) {
        ProgramError(ErrorNumberOf(std::current_exception()), location);
        return false;
    }
}

} // namespace Common
