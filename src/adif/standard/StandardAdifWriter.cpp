#include "adif/standard/StandardAdifWriter.h"

#include "common/ApplicationIdentity.h"

namespace Conversion {

namespace {

// "<NAME:length>value", the length counted in bytes.
void WriteFieldText(Common::TextStream& output, std::string_view name, std::string_view value)
{
    output << '<' << name << ':' << value.size() << '>' << value;
}

} // namespace

void StandardAdifWriter::WriteHeader(Common::TextStream& output)
{
    output << Common::Identity().productName << " " << Common::Version()
           << ": a Kestrel log in standard ADIF 3";
    output.EndLine();
    for (const HeaderField& field : StandardHeaderFields()) {
        WriteFieldText(output, field.name, field.value);
        output.EndLine();
    }
    output.WriteLine("<EOH>");
}

void StandardAdifWriter::WriteField(Common::TextStream& output, const StandardField& field)
{
    switch (field.kind) {
    case StandardField::Kind::Ascii:
        WriteFieldText(output, field.name, field.value);
        break;
    case StandardField::Kind::International:
        return; // ADI holds ASCII only: the _INTL fields belong to ADX
    case StandardField::Kind::Kept:
        WriteFieldText(output, KeptFieldName(field.name), field.value);
        break;
    }
    output << ' ';
}

} // namespace Conversion
