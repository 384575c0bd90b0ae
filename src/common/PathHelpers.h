#pragma once

#include <string>

namespace Common {

// Which characters separate folders. Windows paths take "\" and "/" and may
// start with a drive ("C:"); POSIX paths take "/" only.
enum class PathStyle { Windows, Posix };

// The style of the platform the program is built for.
extern const PathStyle kNativePathStyle;

// The path without the extension of its file name: everything before the last
// "." of the file name, unless that dot is the name's first character. Folder
// names are never cut. Works on the text alone.
std::string StripExtension(const std::string& path, PathStyle style = kNativePathStyle) noexcept;

// The folder part of the path, without a trailing separator except for a root
// ("C:\", "\", "/"); the empty text when the path names no folder.
std::string ContainingDirectory(const std::string& path,
                                PathStyle style = kNativePathStyle) noexcept;

// The last component of the path: what follows its folder part.
std::string FileName(const std::string& path, PathStyle style = kNativePathStyle);

} // namespace Common
