#include "common/NativePath.h"
#include "common/WideText.h"

namespace Common {

std::filesystem::path NativePath(const std::string& text)
{
    return WideFromUtf8(text);
}

std::string PathText(const std::filesystem::path& path)
{
    return Utf8FromWide(path.native());
}

} // namespace Common
