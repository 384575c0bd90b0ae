#include "common/SystemInfo.h"

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sys/utsname.h>

namespace Common {

namespace {

std::string ReadPrettyName()
{
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        std::ifstream file(path, std::ios::binary);
        if (file)
            return PrettyNameFromOsRelease(std::string(std::istreambuf_iterator<char>(file),
                                                       std::istreambuf_iterator<char>()));
    }
    return {};
}

} // namespace

OperatingSystemValues ReadOperatingSystem()
{
    const std::string prettyName = ReadPrettyName();
    utsname kernel{};
    if (uname(&kernel) != 0)
        return {prettyName, 0};
    return {ComposeOSName(prettyName, kernel.sysname, kernel.release),
            KernelBuildNumber(kernel.version)};
}

} // namespace Common
