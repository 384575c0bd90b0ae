#include "common/TextStream.h"

#include <array>
#include <charconv>
#include <limits>

namespace Common {

TextStream::TextStream(OutputChannel& channel, std::size_t bufferSize)
    : channel_(channel), buffer_(bufferSize)
{
}

void TextStream::Flush()
{
    if (used_ == 0)
        return;
    const std::string_view gathered(buffer_.data(), used_);
    used_ = 0;
    channel_.Write(gathered);
}

// Text that does not fit what is left of the buffer: the buffer is handed on
// first, then the text is gathered, or handed on at once when the buffer
// could never hold it.
TextStream& TextStream::WriteAround(std::string_view text)
{
    Flush();
    if (text.size() > buffer_.size()) {
        channel_.Write(text);
        return *this;
    }
    return *this << text;
}

TextStream& TextStream::WriteDecimal(std::uint64_t number)
{
    std::array<char, std::numeric_limits<std::uint64_t>::digits10 + 1> digits{};
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    return *this << std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

} // namespace Common
