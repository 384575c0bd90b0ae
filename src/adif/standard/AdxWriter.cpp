#include "adif/standard/AdxWriter.h"

#include "common/ApplicationIdentity.h"

namespace Conversion {

namespace {

// What stands for a character that XML text cannot hold as it is; nothing
// for every other character.
std::string_view XmlEscape(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    default:
        return {};
    }
}

// Text as XML character data or attribute value: the characters between two
// escapes are written together.
void WriteXmlText(Common::TextStream& output, std::string_view text)
{
    std::size_t plain = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::string_view escape = XmlEscape(text[at]);
        if (escape.empty())
            continue;
        output << text.substr(plain, at - plain) << escape;
        plain = at + 1;
    }
    output << text.substr(plain);
}

// "<NAME>value</NAME>".
void WriteElement(Common::TextStream& output, std::string_view name, std::string_view value)
{
    output << '<' << name << '>';
    WriteXmlText(output, value);
    output << "</" << name << '>';
}

} // namespace

void AdxWriter::WriteHeader(Common::TextStream& output)
{
    output.WriteLine(R"(<?xml version="1.0" encoding="UTF-8"?>)");
    output.WriteLine("<ADX>");
    output.WriteLine("<HEADER>");
    for (const HeaderField& field : StandardHeaderFields()) {
        WriteElement(output, field.name, field.value);
        output.EndLine();
    }
    output.WriteLine("</HEADER>");
    output.WriteLine("<RECORDS>");
}

void AdxWriter::WriteEnd(Common::TextStream& output)
{
    output.WriteLine("</RECORDS>");
    output.WriteLine("</ADX>");
}

void AdxWriter::WriteField(Common::TextStream& output, const StandardField& field)
{
    if (field.kind != StandardField::Kind::Kept) {
        WriteElement(output, field.name, field.value);
        return;
    }
    output << R"(<APP PROGRAMID=")";
    WriteXmlText(output, Common::Identity().productName);
    output << R"(" FIELDNAME=")" << field.name << R"(" TYPE="S">)";
    WriteXmlText(output, field.value);
    output << "</APP>";
}

} // namespace Conversion
