#include "adif/AdifForm.h"

namespace Conversion {

std::string_view FileExtensionOf(AdifForm form)
{
    return form == AdifForm::Adx ? ".adx" : ".ADI";
}

std::string_view NameOf(AdifForm form)
{
    switch (form) {
    case AdifForm::Classic:
        break;
    case AdifForm::Standard:
        return "standard ADIF 3";
    case AdifForm::Adx:
        return "ADX";
    }
    return "classic ADIF";
}

} // namespace Conversion
