#pragma once

#include "command/ConversionServices.h"
#include "window/WindowActions.h"

#include <QIcon>
#include <QWidget>
#include <optional>
#include <string>

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QMimeData;
class QPushButton;

namespace Conversion {

// The main window drawn by Qt: one button, a context menu of a checkable
// item, "Standard ADIF 3", and "Station callsign...", and logs dropped onto
// it; what each does is the window's own (WindowActions).
class KestrelConversion : public QWidget
{
    Q_OBJECT

public:
    KestrelConversion(FileSelector& fileSelector, MessageBoxes& messages, SettingsStore& settings,
                      QWidget* parent = nullptr);

    // The program's icon, in every size it comes in.
    static QIcon ApplicationIcon();

    // The log a drag carries: exactly one local, existing file, or nothing.
    static std::optional<std::string> DroppedLog(const QMimeData* mimeData);

public slots: // NOLINT(readability-redundant-access-specifiers): Qt's `slots` marks them for moc.
    void ConvertCmd_Click();
    // The menu item: the form of the next conversions, remembered.
    void StandardAdif3_Toggled(bool checked);
    // The other item: the dialog, again with what was typed until it holds a
    // callsign, nothing or is cancelled.
    void StationCallsign_Triggered();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The form stays the one a running conversion started with.
    void OnConverting(bool converting);

    QPushButton* ConvertCmd_;
    QAction* StandardAdif3_;
    QAction* StationCallsign_;
    WindowActions actions_;
};

} // namespace Conversion
