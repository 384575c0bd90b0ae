#include "qt/QtStationCallsignDialog.h"

#include "window/WindowLayout.h"

#include <QInputDialog>

namespace Platform {

namespace {

QString FromLayout(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::optional<QString> AskStationCallsign(QWidget* parent, const QString& current)
{
    namespace Layout = Conversion::WindowLayout;
    QInputDialog dialog(parent);
    dialog.setObjectName(FromLayout(Layout::kStationCallsignName));
    dialog.setWindowTitle(FromLayout(Layout::kStationCallsignTitle));
    dialog.setLabelText(FromLayout(Layout::kStationCallsignPrompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace Platform
