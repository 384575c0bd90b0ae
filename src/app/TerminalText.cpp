#include "app/TerminalText.h"

#include <algorithm>

namespace CommandLine {

namespace {

void AppendEscaped(std::string& text, unsigned char byte)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    text += "\\x";
    text += kHex[byte >> 4];
    text += kHex[byte & 0x0F];
}

bool IsControl(char32_t character)
{
    return character < 0x20 || (character >= 0x7F && character < 0xA0);
}

// The length of the well-formed UTF-8 sequence at the start of `text` and the
// character it encodes; 0 when the bytes there are not UTF-8.
std::size_t Utf8Sequence(std::string_view text, char32_t& character)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        character = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, character = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, character = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, character = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        character = (character << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    return character >= minimum && character <= 0x10FFFF && !surrogate ? length : 0;
}

} // namespace

std::string TerminalText(std::string_view bytes)
{
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else if (IsControl(byte)) {
            AppendEscaped(text, byte);
        } else { // Latin-1 0xA0 to 0xFF
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string TerminalName(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t character = 0;
        const std::size_t length = Utf8Sequence(text.substr(at), character);
        if (length == 0 || IsControl(character)) {
            // Every byte of it, so that nothing of it reaches the terminal raw.
            for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i)
                AppendEscaped(shown, static_cast<unsigned char>(text[at + i]));
            at += std::max<std::size_t>(length, 1);
        } else {
            shown.append(text, at, length);
            at += length;
        }
    }
    return shown;
}

} // namespace CommandLine
