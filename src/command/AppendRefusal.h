#pragma once

#include "adif/AdifForm.h"
#include "files/ExportFile.h"

#include <optional>
#include <string>

namespace Conversion {

// Why records of `form` must not be added to the existing file of `output`,
// named `exportFilename`; nothing when they may. Each file keeps one form, an
// ADX file ends in what closes its records, and a file that does not look
// like ADIF is no place for ADIF records. Throws std::system_error when the
// file cannot be read.
std::optional<std::string> AppendRefusal(ExportFile& output, AdifForm form,
                                         const std::string& exportFilename);

} // namespace Conversion
