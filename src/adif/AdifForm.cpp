#include "adif/AdifForm.h"

#include <algorithm>
#include <cctype>

namespace Conversion {

namespace {

bool ContainsIgnoringCase(std::string_view text, std::string_view part)
{
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           }) != text.end();
}

} // namespace

std::string_view FileExtensionOf(AdifForm form)
{
    return form == AdifForm::Adx ? ".adx" : ".ADI";
}

std::optional<AdifForm> FormOfContent(std::string_view start)
{
    if (start.empty())
        return std::nullopt;
    const std::size_t firstTag = start.find('<');
    if (firstTag != std::string_view::npos && start.substr(firstTag).starts_with("<?xml"))
        return AdifForm::Adx;
    // Only the header counts: a comment may name anything.
    const std::size_t headerEnd = start.front() == '<' ? 0 : start.find("<EOH>");
    const std::string_view header =
        start.substr(0, headerEnd == std::string_view::npos ? start.size() : headerEnd);
    return ContainsIgnoringCase(header, "<ADIF_VER:") ? AdifForm::Standard : AdifForm::Classic;
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
