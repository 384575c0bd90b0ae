#include "window/WindowActions.h"

#include "adif/standard/StationValues.h"
#include "common/NativePath.h"
#include "window/WindowSettings.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace Conversion {

WindowActions::WindowActions(FileSelector& fileSelector, MessageBoxes& messages,
                             SettingsStore& settings, ConvertingNotice onConverting)
    : settings_(settings), messages_(messages), command_(fileSelector, messages, settings),
      onConverting_(std::move(onConverting))
{
    command_.ChooseForm(WindowSettings::LoadForm(settings));
    StandardOptions options = command_.Options();
    options.station.stationCallsign = WindowSettings::LoadStationCallsign(settings);
    command_.ChooseStandardOptions(std::move(options));
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

bool WindowActions::ChooseStationCallsign(std::string_view entered)
{
    if (converting_)
        return true;
    const std::size_t first = entered.find_first_not_of(" \t");
    entered = first == std::string_view::npos
                  ? std::string_view()
                  : entered.substr(first, entered.find_last_not_of(" \t") - first + 1);
    const std::optional<std::string> callsign =
        entered.empty() ? std::string() : Conversion::StationCallsign(entered);
    if (!callsign) {
        const std::string& kept = StationCallsign();
        messages_.ShowMessage(MessageKind::Refused,
                              "\"" + std::string(entered) + "\" is " + std::string(kNotACallsign) +
                                  (kept.empty() ? "; there is still no station callsign"
                                                : "; the station callsign is still " + kept));
        return false;
    }
    // Chosen before it is stored, as the form is.
    StandardOptions options = command_.Options();
    options.station.stationCallsign = *callsign;
    command_.ChooseStandardOptions(std::move(options));
    WindowSettings::SaveStationCallsign(settings_, *callsign);
    return true;
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
