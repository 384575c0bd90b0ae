#pragma once

#include <filesystem>
#include <string>

// The program holds file names as text: the system's bytes on POSIX, UTF-8 on
// Windows. These turn that text into the path the system calls take and back.
namespace Common {

std::filesystem::path NativePath(const std::string& text);
std::string PathText(const std::filesystem::path& path);

} // namespace Common
