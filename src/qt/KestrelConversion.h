#pragma once

#include "command/ConversionServices.h"
#include "command/ConvertCommand.h"

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

// The main window: one button that runs the Convert command. A log file
// dropped onto the window is converted as if chosen in the Open dialog. Its
// context menu holds one checkable item, "Standard ADIF 3", kept per user.
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

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ConvertDroppedLog(const std::string& logPath);
    // Runs one conversion unless another is running.
    template <class Body> void RunExclusively(Body&& conversion);

    SettingsStore& settings_;
    ConvertCommand command_;
    QPushButton* ConvertCmd_;
    QAction* StandardAdif3_;
    // Set while a conversion runs; its modal boxes spin an event loop in
    // which a queued drop could otherwise start a second one.
    bool converting_ = false;
};

} // namespace Conversion
