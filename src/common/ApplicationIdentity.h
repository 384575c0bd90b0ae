#pragma once

#include <optional>
#include <string>

namespace Common {

// What the program knows about itself.
struct ApplicationIdentity
{
    std::string productName = "KestrelToADIF";
    int major = 0;
    int minor = 0;
    int revision = 0;
    // Folder of the running executable, without a trailing separator except
    // for a root.
    std::string programDirectory;
    // File name of the running executable, without its extension.
    std::string executableName;
};

const ApplicationIdentity& Identity();

// Fills in the program's folder and name from the path of its executable.
void IdentifyRunningProgram(const std::string& executablePath);

// The path of the running executable as the system knows it, or `fallback`
// (normally argv[0]) made absolute when the system cannot tell.
std::string RunningExecutablePath(const std::string& fallback);

// The running executable's path as the system tells it; nothing when it cannot.
std::optional<std::string> SystemExecutablePath();

// "major.minor.revision", the empty text on failure.
std::string Version() noexcept;

} // namespace Common
