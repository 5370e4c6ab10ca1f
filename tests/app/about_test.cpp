#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "app/frmabout.h"
#include "app/screens.h"
#include "support/fixture.h"

using AboutTest = DatabaseTest;

TEST_F(AboutTest, ShowsTheProductAndOkUnloadsIt)
{
    FrmAbout &about = frmAbout();
    EXPECT_EQ(about.objectName(), "frmAbout");
    EXPECT_EQ(about.windowTitle(), "Über");
    EXPECT_EQ(about.Label1->text(), "TalVEX - LT DeZE v1.0");
    EXPECT_EQ(about.abClose->text(), "OK");
    dialogs().showModeless(&about);
    about.abClose->click();
    processEvents();
    EXPECT_FALSE(screens().isLoaded<FrmAbout>());
}
