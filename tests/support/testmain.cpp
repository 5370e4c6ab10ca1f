#include <QApplication>
#include <QStandardPaths>

#include "data/passwords.h"
#include "support/fixture.h"

int main(int argc, char **argv)
{
    // The test programs also run outside CTest (test discovery, by hand).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    passwords::useFastHashingForTests();
    QApplication app(argc, argv);
    return runAllTests(argc, argv);
}
