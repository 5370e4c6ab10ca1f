#include <QCoreApplication>
#include <QStandardPaths>

#include "data/passwords.h"
#include "support/fixture.h"

// The widget-free tests run without a display and without the GUI libraries:
// a QCoreApplication is all the core needs.
int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    passwords::useFastHashingForTests();
    QCoreApplication app(argc, argv);
    return runAllTests(argc, argv);
}
