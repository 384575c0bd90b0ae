#pragma once

#include "SystemInfo.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <system_error>

namespace ErrorLogTestSupport {

// A fresh folder for one test, removed with its contents afterwards.
struct TempFolder
{
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("kestrel-error-log-" + std::to_string(std::random_device{}()));
};

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline Common::EnvironmentReader EnvironmentOf(std::map<std::string, std::string> variables)
{
    return [variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

} // namespace ErrorLogTestSupport
