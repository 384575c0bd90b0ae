#pragma once

#include "adif/AdifForm.h"
#include "adif/RecordWriter.h"
#include "adif/standard/Findings.h"

#include <memory>

namespace Conversion {

// The writer of `form`; the standard forms report what they change to `findings`.
std::unique_ptr<RecordWriter> MakeRecordWriter(AdifForm form, FindingSink& findings);

} // namespace Conversion
