#include "statistics/JsonWriter.h"

#include "adif/standard/Windows1252Text.h"

namespace Statistics {

namespace {

bool InRange(unsigned char byte, unsigned char lowest, unsigned char highest)
{
    return byte >= lowest && byte <= highest;
}

// The length of the well-formed UTF-8 sequence at `at`; 0 where none starts there.
std::size_t Utf8Length(std::string_view bytes, std::size_t at)
{
    const auto byte = [&](std::size_t i) {
        return at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0;
    };
    const auto continued = [&](std::size_t i) { return InRange(byte(i), 0x80, 0xBF); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (InRange(lead, 0xC2, 0xDF))
        return continued(1) ? 2 : 0;
    // The second byte's range keeps out overlong forms, surrogates and what lies past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
    if (InRange(lead, 0xE0, 0xEF))
        return InRange(byte(1), low, high) && continued(2) ? 3 : 0;
    if (InRange(lead, 0xF0, 0xF4))
        return InRange(byte(1), low, high) && continued(2) && continued(3) ? 4 : 0;
    return 0;
}

void AppendEscaped(std::string& text, unsigned code)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    text += "\\u00";
    text += kHex[code >> 4];
    text += kHex[code & 0xF];
}

} // namespace

std::string JsonString(std::string_view bytes)
{
    std::string text = "\"";
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8Length(bytes, at);
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (length == 0) {
            const std::string decoded = Conversion::Utf8FromWindows1252(bytes.substr(at, 1));
            text += decoded.empty() ? "\xEF\xBF\xBD" : decoded; // U+FFFD for an unassigned code
            ++at;
            continue;
        }
        if (byte == '"' || byte == '\\') {
            text += '\\';
            text += static_cast<char>(byte);
        } else if (byte < 0x20 || byte == 0x7F) {
            AppendEscaped(text, byte);
        } else if (byte == 0xC2 && static_cast<unsigned char>(bytes[at + 1]) < 0xA0) {
            // U+0080 to U+009F, the C1 controls, which a terminal would obey.
            AppendEscaped(text, static_cast<unsigned char>(bytes[at + 1]));
        } else {
            text.append(bytes.substr(at, length));
        }
        at += length;
    }
    text += '"';
    return text;
}

void JsonWriter::StartValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!filled_.empty()) {
        if (filled_.back())
            text_ += ',';
        filled_.back() = true;
    }
}

void JsonWriter::Open(char bracket)
{
    StartValue();
    text_ += bracket;
    filled_.push_back(false);
}

void JsonWriter::Close(char bracket)
{
    text_ += bracket;
    filled_.pop_back();
}

void JsonWriter::BeginObject()
{
    Open('{');
}

void JsonWriter::EndObject()
{
    Close('}');
}

void JsonWriter::BeginArray()
{
    Open('[');
}

void JsonWriter::EndArray()
{
    Close(']');
}

void JsonWriter::Key(std::string_view key)
{
    StartValue();
    text_ += JsonString(key);
    text_ += ':';
    afterKey_ = true;
}

void JsonWriter::String(std::string_view bytes)
{
    StartValue();
    text_ += JsonString(bytes);
}

void JsonWriter::Number(std::uint64_t value)
{
    StartValue();
    text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value)
{
    StartValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::Null()
{
    StartValue();
    text_ += "null";
}

} // namespace Statistics
