#include "window/WindowActions.h"

#include "common/NativePath.h"
#include "window/WindowSettings.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace Conversion {

WindowActions::WindowActions(FileSelector& fileSelector, MessageBoxes& messages,
                             SettingsStore& settings, ConvertingNotice onConverting)
    : settings_(settings), command_(fileSelector, messages, settings),
      onConverting_(std::move(onConverting))
{
    command_.ChooseForm(WindowSettings::LoadForm(settings));
}

namespace {

// Marks a conversion as running for as long as the scope lasts.
class ConvertingScope
{
public:
    explicit ConvertingScope(bool& converting) : converting_(converting) { converting_ = true; }
    ~ConvertingScope() { converting_ = false; }
    ConvertingScope(const ConvertingScope&) = delete;
    ConvertingScope& operator=(const ConvertingScope&) = delete;

private:
    bool& converting_;
};

} // namespace

template <class Body> void WindowActions::RunExclusively(Body&& conversion)
{
    if (converting_)
        return;
    {
        const ConvertingScope scope(converting_);
        if (onConverting_)
            onConverting_(true);
        conversion();
    }
    if (onConverting_)
        onConverting_(false);
}

void WindowActions::ConvertCmd_Click()
{
    RunExclusively([this] { command_.ConvertCmd_Click(); });
}

void WindowActions::ConvertDroppedLog(const std::string& logPath)
{
    RunExclusively([&] { command_.ConvertChosenLog(logPath); });
}

void WindowActions::ChooseStandardAdif3(bool standard)
{
    if (converting_)
        return;
    const AdifForm form = standard ? AdifForm::Standard : AdifForm::Classic;
    // Chosen before it is stored: a choice that cannot be stored still holds
    // while the window is open.
    command_.ChooseForm(form);
    WindowSettings::SaveForm(settings_, form);
}

std::optional<std::string> WindowActions::DroppedLog(const std::vector<std::string>& paths)
{
    if (paths.size() != 1)
        return std::nullopt;
    std::error_code error;
    if (!std::filesystem::is_regular_file(Common::NativePath(paths.front()), error))
        return std::nullopt;
    return paths.front();
}

} // namespace Conversion
