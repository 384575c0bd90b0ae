// The window program: one window, one button, nothing else to start.
#include "app/StandardStreams.h"
#include "common/ApplicationIdentity.h"
#include "files/InterruptCleanup.h"
#include "platform/ErrorLogStartup.h"
#include "qt/KestrelConversion.h"
#include "qt/QtFileSelector.h"
#include "qt/QtMessageBoxes.h"
#include "qt/QtSettingsStore.h"

#include <QApplication>
#include <QString>

int main(int argc, char* argv[])
{
    PrepareStandardStreams();
    // Next, so that the first failure already finds the error log ready.
    Platform::StartErrorLogging(argc > 0 ? argv[0] : nullptr);
    Conversion::RemoveTemporaryFileOnInterrupt();

    QApplication application(argc, argv);
    const QString productName = QString::fromStdString(Common::Identity().productName);
    QApplication::setApplicationName(productName);
    QApplication::setOrganizationName(productName);
    // Lets Wayland compositors match the window to its desktop entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("kestreltoadif"));
    QApplication::setWindowIcon(Conversion::KestrelConversion::ApplicationIcon());

    Platform::QtFileSelector fileSelector;
    Platform::QtMessageBoxes messages;
    Platform::QtSettingsStore settings;
    Conversion::KestrelConversion window(fileSelector, messages, settings);
    fileSelector.SetParentWidget(&window);
    messages.SetParentWidget(&window);
    window.show();
    return QApplication::exec();
}
