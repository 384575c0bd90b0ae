#pragma once

#include <optional>
#include <string_view>

namespace Conversion {

// The forms a log can be written in. Classic is the program's own, kept byte
// for byte; Standard is ADIF 3 as strict readers and upload services take
// it; Adx is its XML form, which keeps what ASCII cannot hold.
enum class AdifForm { Classic, Standard, Adx };

// ".ADI" for both ADI forms, ".adx" for ADX.
std::string_view FileExtensionOf(AdifForm form);

// The form of a file from its first bytes: XML is ADX, a header with
// ADIF_VER is standard, any other ADIF the classic form. Nothing when the
// file is empty.
std::optional<AdifForm> FormOfContent(std::string_view start);

// How many first bytes FormOfContent needs to tell.
inline constexpr std::size_t kFormEvidenceSize = 4096;

// "classic ADIF", "standard ADIF 3", "ADX".
std::string_view NameOf(AdifForm form);

} // namespace Conversion
