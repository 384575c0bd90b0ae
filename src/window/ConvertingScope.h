#pragma once

namespace Conversion {

// Marks a conversion as running for as long as the scope lasts. A window's
// modal boxes spin its event loop, in which a click or a drop could otherwise
// start a second conversion inside the first.
class ConvertingScope
{
public:
    explicit ConvertingScope(bool& converting) : converting_(converting) { converting_ = true; }
    ~ConvertingScope() { converting_ = false; }
    ConvertingScope(const ConvertingScope&) = delete;
    ConvertingScope& operator=(const ConvertingScope&) = delete;

private:
    bool& converting_;
};

} // namespace Conversion
