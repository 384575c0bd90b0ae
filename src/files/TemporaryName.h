#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The names of the temporary files an ADIF file is written to before it is
// put in place: ".NAME.0123456789ab.kestrel-tmp", hidden beside the file, the
// ADIF file's name shortened where the whole would pass the folder's limit.
// The next conversion of the same file recognises what a killed run left.
namespace Conversion {

// `random` picks the 12 hexadecimal digits (its low 48 bits).
std::string TemporaryName(std::string_view target, std::size_t nameLimit, std::uint64_t random);

// Whether `candidate` is one of the names TemporaryName gives for `target`.
bool IsTemporaryNameOf(std::string_view candidate, std::string_view target, std::size_t nameLimit);

} // namespace Conversion
