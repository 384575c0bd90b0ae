#include "matching/ModeGroup.h"

#include "common/AsciiCase.h"
#include "matching/Blanks.h"

#include <algorithm>
#include <array>

namespace Matching {

namespace {

struct Named
{
    std::string_view name;
    ModeGroup group;
};

// The modes and submodes that are not data; USB and LSB also stand for SSB
// where a program writes them as the mode.
constexpr std::array kGroups = {
    Named{"CW", ModeGroup::Cw},        Named{"PCW", ModeGroup::Cw},
    Named{"SSB", ModeGroup::Phone},    Named{"USB", ModeGroup::Phone},
    Named{"LSB", ModeGroup::Phone},    Named{"AM", ModeGroup::Phone},
    Named{"FM", ModeGroup::Phone},     Named{"DIGITALVOICE", ModeGroup::Phone},
    Named{"C4FM", ModeGroup::Phone},   Named{"DSTAR", ModeGroup::Phone},
    Named{"FREEDV", ModeGroup::Phone}, Named{"M17", ModeGroup::Phone},
    Named{"PHONE", ModeGroup::Phone},  Named{"SSTV", ModeGroup::Image},
    Named{"FAX", ModeGroup::Image},    Named{"ATV", ModeGroup::Image},
    Named{"IMAGE", ModeGroup::Image},
};

} // namespace

ModeGroup GroupOf(std::string_view mode, std::string_view submode)
{
    // The mode decides; a submode alone is read where a program left the mode out.
    std::string_view name = Trimmed(mode);
    if (name.empty())
        name = Trimmed(submode);
    if (name.empty())
        return ModeGroup::None;
    const auto* const known = std::find_if(kGroups.begin(), kGroups.end(), [name](const Named& n) {
        return Common::SameIgnoringCase(n.name, name);
    });
    return known != kGroups.end() ? known->group : ModeGroup::Data;
}

} // namespace Matching
