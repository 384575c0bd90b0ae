#include "files/ExportConflict.h"

#include <string>

namespace Conversion {

namespace {

class ExportConflictCategory final : public std::error_category
{
public:
    const char* name() const noexcept override { return "export conflict"; }

    std::string message(int value) const override
    {
        switch (static_cast<ExportConflict>(value)) {
        case ExportConflict::Appeared:
            return "another program created this file during the conversion; it was left as it "
                   "is";
        case ExportConflict::Changed:
            return "another program changed this file during the conversion; it was left as it "
                   "is";
        }
        return "conflicting change";
    }

    std::error_condition default_error_condition(int) const noexcept override
    {
        return std::errc::file_exists;
    }
};

} // namespace

std::error_code make_error_code(ExportConflict conflict) noexcept
{
    static const ExportConflictCategory category;
    return {static_cast<int>(conflict), category};
}

} // namespace Conversion
