#pragma once

#include "common/LocaleInfo.h"

#include <memory>

namespace Platform {

// The locale names of the system the program runs on: ICU's on Linux,
// Windows' own there.
std::unique_ptr<LocaleInfo::LocaleQueries> SystemLocaleQueries();

} // namespace Platform
