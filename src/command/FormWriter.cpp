#include "command/FormWriter.h"

#include "adif/ClassicAdifWriter.h"
#include "adif/standard/AdxWriter.h"
#include "adif/standard/StandardAdifWriter.h"

namespace Conversion {

std::unique_ptr<RecordWriter> MakeRecordWriter(AdifForm form, FindingSink& findings,
                                               const StandardOptions& options)
{
    switch (form) {
    case AdifForm::Classic:
        break;
    case AdifForm::Standard:
        return std::make_unique<StandardAdifWriter>(findings, options);
    case AdifForm::Adx:
        return std::make_unique<AdxWriter>(findings, options);
    }
    return std::make_unique<ClassicAdifWriter>();
}

} // namespace Conversion
