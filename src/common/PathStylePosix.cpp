#include "common/PathHelpers.h"

namespace Common {

const PathStyle kNativePathStyle = PathStyle::Posix;

} // namespace Common
