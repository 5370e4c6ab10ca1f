#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>

#include "platform/printerchoice.h"
#include "support/fixture.h"

using PrinterChoice = DatabaseTest;

TEST_F(PrinterChoice, DefaultsToTheA4PrinterAndKeepsWhatIsWritten)
{
    EXPECT_EQ(printerchoice::read(), "0");
    printerchoice::write("2");
    EXPECT_EQ(printerchoice::read(), "2");
}

TEST_F(PrinterChoice, EachTestProgramKeepsItsOwnChoice)
{
    printerchoice::write("2");
    const QString file = QSettings(QStringLiteral("DorERIRE"), QStringLiteral("DorERIRE")).fileName();
    // Test programs run side by side; a shared settings file would let one
    // test change another's printer choice.
    EXPECT_TRUE(file.startsWith(QDir::tempPath())) << file.toStdString();
}
