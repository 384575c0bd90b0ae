#pragma once

#include <string_view>

namespace Conversion {

// Where the ADIF text goes: every write is one line, which the channel ends
// with CR LF and passes on byte for byte. A write that cannot be completed
// throws std::system_error.
class OutputChannel
{
public:
    virtual ~OutputChannel() = default;
    virtual void WriteLine(std::string_view text) = 0;
};

} // namespace Conversion
