#include "files/SafetyRefusal.h"

#include <string>

namespace Conversion {

namespace {

class SafetyRefusalCategory final : public std::error_category
{
public:
    const char* name() const noexcept override { return "safety refusal"; }

    std::string message(int value) const override
    {
        switch (static_cast<SafetyRefusal>(value)) {
        case SafetyRefusal::BlockDevice:
            return "this is a disk or another block device, not a file; nothing was written to it";
        case SafetyRefusal::AppendOnlyFolder:
            return "files can be added to this folder but not renamed or removed (it is "
                   "append-only), which writing the ADIF file safely needs; nothing was written";
        case SafetyRefusal::LogChanged:
            return "another program changed this log while it was being converted; the "
                   "conversion was abandoned";
        case SafetyRefusal::NotPlainFile:
            return "not a plain file but a link, a folder, a device or a pipe";
        }
        return "refused";
    }

    std::error_condition default_error_condition(int value) const noexcept override
    {
        switch (static_cast<SafetyRefusal>(value)) {
        case SafetyRefusal::BlockDevice:
            return std::errc::operation_not_supported;
        case SafetyRefusal::AppendOnlyFolder:
            return std::errc::operation_not_permitted;
        case SafetyRefusal::NotPlainFile:
            return std::errc::invalid_argument;
        case SafetyRefusal::LogChanged:
            break;
        }
        return std::errc::device_or_resource_busy;
    }
};

} // namespace

std::error_code make_error_code(SafetyRefusal refusal) noexcept
{
    static const SafetyRefusalCategory category;
    return {static_cast<int>(refusal), category};
}

} // namespace Conversion
