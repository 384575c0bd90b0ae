#pragma once

#include <string>
#include <system_error>

// How an output fails: under the path the user gave, told in words that
// say more than the system's description where that leaves something out
// (a temporary file that could not be removed).
namespace Conversion {

class OutputFailure final : public std::system_error
{
public:
    OutputFailure(std::error_code error, std::string text)
        : std::system_error(error), text_(std::move(text))
    {
    }
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

// Whether a conversion that ended in `failure` was refused for a reason the
// program foresees and the person who asked can act on: the name they chose
// cannot take the ADIF file (a folder, read-only, a device, a folder that
// takes no files), or the program would not go on without losing data (a log
// or an ADIF file changed by another program meanwhile). Anything else, a
// full disk or a failing one among them, is a failure nothing foresaw.
bool IsRefusal(const std::system_error& failure);

} // namespace Conversion
