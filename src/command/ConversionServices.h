#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the Convert command needs from the platform: the Open dialog, message
// boxes and the per-user settings store. The window provides them with Qt on
// Linux and Win32 on Windows, the command line with its own answers, the tests
// with scripted stand-ins.
namespace Conversion {

struct OpenDialogOptions
{
    std::string initDir;           // folder the dialog starts in
    std::string defaultExt;        // ".log"
    std::string filterDescription; // "Log (*.log)"
    std::string filterPattern;     // "*.log"
    std::string fileName;          // the previous choice, filled in
};

class FileSelector
{
public:
    virtual ~FileSelector() = default;
    // The chosen, existing file, or nothing when the user cancelled.
    virtual std::optional<std::string> ShowOpen(const OpenDialogOptions& options) = 0;
};

enum class Answer { Yes, No, Cancel };

// Why a message is shown; the window shows them all alike, the command line
// sends each kind to its own stream.
enum class MessageKind {
    IllegalYear, // quotes record bytes
    Summary,     // the count of QSOs written
    Cancelled,   // "conversion cancelled"
    Refused,     // a conversion that could not be started safely, or a value refused
    Waiting,     // for another conversion writing in the same folder
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // A message with an OK button only.
    virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
    // The overwrite question.
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
};

// The per-user settings are kept under the product's name, in this section.
inline constexpr std::string_view kSettingsSection = "General";
// The folder of the last log chosen, where the next Open dialog starts.
inline constexpr std::string_view kLogDirectoryKey = "LogDirectory";

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual std::string GetSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    virtual void SaveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

} // namespace Conversion
