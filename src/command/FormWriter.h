#pragma once

#include "adif/AdifForm.h"
#include "adif/RecordWriter.h"
#include "adif/standard/Findings.h"
#include "adif/standard/StandardOptions.h"

#include <memory>

namespace Conversion {

// The writer of `form`; the standard forms report what they change to
// `findings` and follow `options`, which outlive the writer.
std::unique_ptr<RecordWriter> MakeRecordWriter(AdifForm form, FindingSink& findings,
                                               const StandardOptions& options);

} // namespace Conversion
