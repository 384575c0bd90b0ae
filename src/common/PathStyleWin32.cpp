#include "common/PathHelpers.h"

namespace Common {

const PathStyle kNativePathStyle = PathStyle::Windows;

} // namespace Common
