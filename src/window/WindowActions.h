#pragma once

#include "command/ConversionServices.h"
#include "command/ConvertCommand.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Conversion {

// What the main window does, whichever toolkit draws it: its button runs
// the Convert command, a log dropped onto it is converted as if chosen in the
// Open dialog, its menu item "Standard ADIF 3" chooses the form of the next
// conversions, and "Station callsign..." the callsign their standard records
// carry; both choices are kept per user. One conversion at a time: a
// window's modal boxes spin its event loop, in which a click, a drop or the
// menu could otherwise act inside a running conversion.
class WindowActions
{
public:
    // Told true as a conversion starts and false once it is over.
    using ConvertingNotice = std::function<void(bool converting)>;

    // The form is the one the user chose last.
    WindowActions(FileSelector& fileSelector, MessageBoxes& messages, SettingsStore& settings,
                  ConvertingNotice onConverting = {});

    void ConvertCmd_Click();
    void ConvertDroppedLog(const std::string& logPath);

    // Whether the menu item is checked: the window writes standard ADIF 3.
    bool StandardAdif3() const { return command_.Form() == AdifForm::Standard; }
    // The menu item set or cleared, and the choice kept; while a conversion
    // runs its form stays, and so does the item. Throws when the choice cannot
    // be stored, which holds all the same while the window is open.
    void ChooseStandardAdif3(bool standard);

    // The station callsign standard conversions write; empty for none.
    const std::string& StationCallsign() const
    {
        return command_.Options().station.stationCallsign;
    }
    // What the user typed in the dialog, blanks around it aside, in any case:
    // taken and kept, an empty text for none. Anything else is not a callsign:
    // the user is told so and the callsign stays; false then. While a
    // conversion runs nothing changes. Throws, as ChooseStandardAdif3 does,
    // when the choice cannot be stored.
    bool ChooseStationCallsign(std::string_view entered);

    bool Converting() const { return converting_; }

    // The log a drop carries: exactly one path, naming an existing regular file.
    static std::optional<std::string> DroppedLog(const std::vector<std::string>& paths);

private:
    template <class Body> void RunExclusively(Body&& conversion);

    SettingsStore& settings_;
    MessageBoxes& messages_;
    ConvertCommand command_;
    ConvertingNotice onConverting_;
    bool converting_ = false;
};

} // namespace Conversion
