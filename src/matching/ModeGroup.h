#pragma once

#include <string_view>

namespace Matching {

// The groups that LoTW counts a contact's mode in: two contacts match only
// when their modes are of the same group.
enum class ModeGroup { None, Cw, Phone, Image, Data };

// The group of an ADIF MODE and SUBMODE, in any case: phone for SSB, AM, FM
// and digital voice, image for SSTV, FAX and ATV, CW, and data for every
// other mode. The group names themselves (PHONE, IMAGE, DATA), which some
// programs write as the mode, stand for their group. None without a mode.
ModeGroup GroupOf(std::string_view mode, std::string_view submode);

} // namespace Matching
