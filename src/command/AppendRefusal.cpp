#include "command/AppendRefusal.h"

#include "adif/ExistingContent.h"

#include <string_view>

namespace Conversion {

namespace {

std::string KeepsOneForm(const std::string& exportFilename, std::string_view held, AdifForm form)
{
    return exportFilename + " holds " + std::string(held) + "; " + std::string(NameOf(form)) +
           " records are not added to it, so that the file keeps one form";
}

std::string NothingAdded(const std::string& exportFilename, std::string_view seems)
{
    return exportFilename + " " + std::string(seems) + "; nothing was added to it";
}

} // namespace

std::optional<std::string> AppendRefusal(ExportFile& output, AdifForm form,
                                         const std::string& exportFilename)
{
    ExistingContent existing = ExistingContent::Empty;
    output.LookAtExisting([&](const ReadOn& readOn) { existing = ExistingContentOf(readOn); });
    switch (existing) {
    case ExistingContent::Empty:
        break;
    case ExistingContent::Classic:
    case ExistingContent::Standard: {
        const AdifForm held =
            existing == ExistingContent::Classic ? AdifForm::Classic : AdifForm::Standard;
        if (held == form)
            break;
        return KeepsOneForm(exportFilename, NameOf(held), form);
    }
    case ExistingContent::Adx:
        return exportFilename + " is an ADX file, to which records cannot be added; replace it "
                                "or convert to another file";
    case ExistingContent::OtherAdif:
        // Neither this program's classic form nor standard ADIF 3: which
        // records would suit it cannot be told, so none are added.
        return NothingAdded(exportFilename,
                            "holds ADIF of another program, whose header has no ADIF_VER");
    case ExistingContent::UnendedHeader:
        return NothingAdded(exportFilename, "does not look like ADIF (its header has no <EOH>)");
    case ExistingContent::OtherRecords:
        return NothingAdded(exportFilename, "does not look like ADIF (its first record is not "
                                            "whole fields ending in <EOR>)");
    case ExistingContent::Xml:
        return NothingAdded(exportFilename, "holds XML whose root element is not ADX");
    case ExistingContent::PlainText:
        return NothingAdded(exportFilename, "holds plain text, not ADIF");
    case ExistingContent::BinaryData:
        return NothingAdded(exportFilename, "does not look like ADIF (it starts with binary data)");
    }
    return std::nullopt;
}

} // namespace Conversion
