#pragma once

#include <string_view>

namespace Common {

// Where written text goes, byte for byte: a file, a stream, nothing. Text
// reaches it through a TextStream, which gathers it into large pieces. A
// write that cannot be completed throws std::system_error.
class OutputChannel
{
public:
    virtual ~OutputChannel() = default;
    virtual void Write(std::string_view bytes) = 0;
};

} // namespace Common
