#pragma once

#include <string_view>

namespace Conversion {

// The forms a log can be written in. Classic is the program's own, kept byte
// for byte; Standard is ADIF 3 as strict readers and upload services take
// it; Adx is its XML form, which keeps what ASCII cannot hold.
enum class AdifForm { Classic, Standard, Adx };

// ".ADI" for both ADI forms, ".adx" for ADX.
std::string_view FileExtensionOf(AdifForm form);

// "classic ADIF", "standard ADIF 3", "ADX".
std::string_view NameOf(AdifForm form);

} // namespace Conversion
