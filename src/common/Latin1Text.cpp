#include "common/Latin1Text.h"

namespace Common {

char Latin1Character(char32_t code)
{
    return code <= 0xFF ? static_cast<char>(code) : '?';
}

std::string Latin1FromUtf8(std::string_view text)
{
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            result += static_cast<char>(lead);
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF8   ? 0
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC0 ? 2
                                                  : 0;
        char32_t code = length == 0 ? 0 : lead & (0x7Fu >> length);
        std::size_t taken = 1;
        while (taken < length && i + taken < text.size() &&
               (static_cast<unsigned char>(text[i + taken]) & 0xC0) == 0x80) {
            code = code << 6 | (static_cast<unsigned char>(text[i + taken]) & 0x3F);
            ++taken;
        }
        const bool complete = length != 0 && taken == length && code >= 0x80;
        result += complete ? Latin1Character(code) : '?';
        i += taken;
    }
    return result;
}

} // namespace Common
