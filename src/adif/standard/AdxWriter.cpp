#include "adif/standard/AdxWriter.h"

#include "adif/AdifWriter.h"
#include "adif/standard/Windows1252Text.h"
#include "common/ApplicationIdentity.h"
#include "record/LogRecord.h"

#include <algorithm>

namespace Conversion {

namespace {

constexpr std::size_t kLongestLine = 4096;

// Text as XML character data or attribute value.
char* AppendXmlText(char* out, std::string_view text)
{
    for (const char c : text) {
        std::string_view escaped;
        switch (c) {
        case '&':
            escaped = "&amp;";
            break;
        case '<':
            escaped = "&lt;";
            break;
        case '>':
            escaped = "&gt;";
            break;
        case '"':
            escaped = "&quot;";
            break;
        default:
            *out++ = c;
            continue;
        }
        out = std::copy(escaped.begin(), escaped.end(), out);
    }
    return out;
}

char* AppendText(char* out, std::string_view text)
{
    return std::copy(text.begin(), text.end(), out);
}

// "<NAME>value</NAME>" for a value that is there.
char* AppendElement(char* out, std::string_view name, std::string_view value)
{
    if (value.empty())
        return out;
    *out++ = '<';
    out = AppendText(out, name);
    *out++ = '>';
    out = AppendXmlText(out, value);
    out = AppendText(out, "</");
    out = AppendText(out, name);
    *out++ = '>';
    return out;
}

// AppendElement for a value of a type that holds no character XML escapes:
// digits, dates, times, bands and modes from the tables, callsigns and
// locators as StandardRecord checked them. Copied as it stands, not byte by byte.
char* AppendTypedElement(char* out, std::string_view name, std::string_view value)
{
    if (value.empty())
        return out;
    *out++ = '<';
    out = AppendText(out, name);
    *out++ = '>';
    out = CopyShortText(out, value.data(), value.size());
    out = AppendText(out, "</");
    out = AppendText(out, name);
    *out++ = '>';
    return out;
}

std::string Element(std::string_view name, std::string_view value)
{
    std::string element(2 * name.size() + 6 * value.size() + 5, '\0');
    element.resize(
        static_cast<std::size_t>(AppendElement(element.data(), name, value) - element.data()));
    return element;
}

} // namespace

void AdxWriter::WriteHeader(OutputChannel& output)
{
    output.WriteLine(R"(<?xml version="1.0" encoding="UTF-8"?>)");
    output.WriteLine("<ADX>");
    output.WriteLine("<HEADER>");
    for (const HeaderField& field : StandardHeaderFields())
        output.WriteLine(Element(field.name, field.value));
    output.WriteLine("</HEADER>");
    output.WriteLine("<RECORDS>");
}

void AdxWriter::WriteEnd(OutputChannel& output)
{
    output.WriteLine("</RECORDS>");
    output.WriteLine("</ADX>");
}

std::size_t AdxWriter::LongestLine() const
{
    return kLongestLine;
}

char* AdxWriter::WriteRecord(const RecordFields& fields, std::uint64_t recordNumber, char* line)
{
    const StandardRecord& r = Standardized(fields, recordNumber);
    char* out = AppendText(line, "<RECORD>");
    out = AppendTypedElement(out, "QSO_DATE", r.qsoDate);
    out = AppendTypedElement(out, "TIME_ON", r.timeOn);
    out = AppendTypedElement(out, "BAND", r.band);
    out = AppendTypedElement(out, "FREQ", r.frequency);
    out = AppendTypedElement(out, "MODE", r.mode);
    out = AppendTypedElement(out, "SUBMODE", r.submode);
    out = AppendTypedElement(out, "CALL", r.call);
    out = AppendElement(out, "RST_SENT", r.rstSent);
    out = AppendElement(out, "RST_RCVD", r.rstReceived);
    out = AppendTypedElement(out, "GRIDSQUARE", r.gridSquare);
    out = AppendElement(out, "COMMENT", r.comment);
    if (!r.commentIntl.empty()) {
        // Trimmed again: control bytes dropped at its end may have hidden blanks.
        const std::string intl = Utf8FromWindows1252(r.commentIntl);
        out = AppendElement(out, "COMMENT_INTL", TrimSpaces(intl));
    }
    if (r.qslSent)
        out = AppendElement(out, "QSL_SENT", "Y");
    if (r.qslReceived)
        out = AppendElement(out, "QSL_RCVD", "Y");
    for (const KeptValue* kept = r.KeptBegin(); kept != r.KeptEnd(); ++kept) {
        out = AppendText(out, R"(<APP PROGRAMID=")");
        out = AppendXmlText(out, Common::Identity().productName);
        out = AppendText(out, R"(" FIELDNAME=")");
        out = AppendText(out, kept->field);
        out = AppendText(out, R"(" TYPE="S">)");
        out = AppendXmlText(out, EscapedBytes(kept->bytes));
        out = AppendText(out, "</APP>");
    }
    return AppendText(out, "</RECORD>");
}

} // namespace Conversion
