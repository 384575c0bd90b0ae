#pragma once

#include <string>
#include <vector>

// Several logs converted in one run, one after the other, must not undo each
// other's work: what the run would do is checked as a whole before anything
// is written.
namespace Conversion {

struct PlannedConversion
{
    std::string log;
    std::string adif;
    std::string report; // where its findings are listed; empty when nowhere
};

// Why running these conversions in turn would lose data, one sentence each;
// empty when it would not. Two logs converted into one ADIF file (the second
// would replace the first's records or add to them) and a log that is another
// log's ADIF file (its conversion would overwrite that log), or another
// log's findings report (which would be converted as a log). The same file
// under other names (links, letter case) counts as the same. A log converted
// into itself is left to the conversion, which refuses it.
std::vector<std::string> RunConflicts(const std::vector<PlannedConversion>& run);

} // namespace Conversion
