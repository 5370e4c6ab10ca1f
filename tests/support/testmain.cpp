#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "data/passwords.h"

int main(int argc, char **argv)
{
    // The test programs also run outside CTest (test discovery, by hand).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    passwords::useFastHashingForTests();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
