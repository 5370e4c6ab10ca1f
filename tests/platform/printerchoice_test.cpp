#include <gtest/gtest.h>

#include "platform/printerchoice.h"
#include "support/fixture.h"

using PrinterChoice = DatabaseTest;

TEST_F(PrinterChoice, DefaultsToTheA4PrinterAndKeepsWhatIsWritten)
{
    EXPECT_EQ(printerchoice::read(), "0");
    printerchoice::write("2");
    EXPECT_EQ(printerchoice::read(), "2");
    printerchoice::write("1");
    EXPECT_EQ(printerchoice::read(), "1");
}
