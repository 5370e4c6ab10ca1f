#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "data/passwords.h"

// The widget-free tests run without a display and without the GUI libraries:
// a QCoreApplication is all the core needs.
int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    passwords::useFastHashingForTests();
    QCoreApplication app(argc, argv);
    // Test programs run side by side: each keeps its printer choice in a
    // settings folder of its own.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
