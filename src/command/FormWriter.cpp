#include "command/FormWriter.h"

#include "adif/ClassicAdifWriter.h"
#include "adif/standard/AdxWriter.h"
#include "adif/standard/StandardAdifWriter.h"

namespace Conversion {

std::unique_ptr<RecordWriter> MakeRecordWriter(AdifForm form, FindingSink& findings)
{
    switch (form) {
    case AdifForm::Classic:
        break;
    case AdifForm::Standard:
        return std::make_unique<StandardAdifWriter>(findings);
    case AdifForm::Adx:
        return std::make_unique<AdxWriter>(findings);
    }
    return std::make_unique<ClassicAdifWriter>();
}

} // namespace Conversion
