#include "files/RunConflicts.h"

#include "common/NativePath.h"
#include "files/OutputFolder.h"

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace Conversion {

namespace {

// The same text for the same file: the system's identity of an existing
// regular file, whatever the name it is reached by; for anything else its
// full path, links resolved as far as they lead.
std::string FileKey(const std::string& path)
{
    std::error_code error;
    const fs::path native = Common::NativePath(path);
    const fs::path resolved = fs::canonical(native, error);
    if (error) {
        const fs::path named = fs::weakly_canonical(native, error);
        return "name:" + Common::PathText(error ? fs::absolute(native, error) : named);
    }
    try {
        const OutputFolder folder(
            resolved.has_parent_path() ? Common::PathText(resolved.parent_path()) : ".");
        if (const std::optional<FileState> state =
                folder.Lookup(Common::PathText(resolved.filename())))
            return "file:" + std::to_string(state->device) + ":" + std::to_string(state->inode);
    } catch (const std::system_error&) {
        // Known by its path then.
    }
    return "name:" + Common::PathText(resolved);
}

} // namespace

std::vector<std::string> RunConflicts(const std::vector<PlannedConversion>& run)
{
    std::vector<std::string> conflicts;
    std::map<std::string, std::size_t> adifs; // key -> the first conversion into it
    std::map<std::string, std::size_t> logs;  // key -> the first conversion of it
    std::vector<std::string> adifKeys;
    adifKeys.reserve(run.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
        adifKeys.push_back(FileKey(run[i].adif));
        const std::string logKey = FileKey(run[i].log);
        const auto [adif, newAdif] = adifs.emplace(adifKeys.back(), i);
        const auto [log, newLog] = logs.emplace(logKey, i);
        if (!newAdif || !newLog) {
            const PlannedConversion& first = run[!newAdif ? adif->second : log->second];
            conflicts.push_back(first.log + " and " + run[i].log +
                                " would both be converted into " + first.adif);
        }
    }
    for (std::size_t i = 0; i < run.size(); ++i) {
        const auto log = logs.find(adifKeys[i]);
        if (log != logs.end() && log->second != i)
            conflicts.push_back("converting " + run[i].log + " into " + run[i].adif +
                                " would overwrite the log " + run[log->second].log +
                                " of the same run");
        if (run[i].report.empty())
            continue;
        const auto reportLog = logs.find(FileKey(run[i].report));
        if (reportLog != logs.end() && reportLog->second != i)
            conflicts.push_back("the findings of " + run[i].log + " would be listed in " +
                                run[i].report + ", a log of the same run");
    }
    return conflicts;
}

} // namespace Conversion
