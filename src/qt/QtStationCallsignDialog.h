#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace Platform {

// The toolkit's small dialog that asks for the station callsign, offering
// `current`; the text typed, or nothing when the user cancelled.
std::optional<QString> AskStationCallsign(QWidget* parent, const QString& current);

} // namespace Platform
