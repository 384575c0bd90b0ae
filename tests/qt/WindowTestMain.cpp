#include "common/ApplicationIdentity.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    // Headless wherever the tests run, also when they are only being listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own dialogs, whatever desktop the tests run under, and no test
    // ever touches the user's real settings.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    Common::IdentifyRunningProgram(Common::RunningExecutablePath(argv[0]));
    return RUN_ALL_TESTS();
}
