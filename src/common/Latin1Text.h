#pragma once

#include <string>
#include <string_view>

// What the program writes is single-byte text. Names that come from the
// system in Unicode (month names, locale names, the distribution's name) are
// brought down to Latin-1; a character Latin-1 cannot hold becomes '?'.
namespace Common {

char Latin1Character(char32_t code);

// Malformed UTF-8 counts as one unknown character per byte.
std::string Latin1FromUtf8(std::string_view text);

} // namespace Common
