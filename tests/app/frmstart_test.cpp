#include <QFrame>
#include <QTimer>

#include "apptest.h"
#include "app/frmlogin.h"
#include "app/frmstart.h"
#include "app/screens.h"

using FrmStartTest = AppTest;

TEST_F(FrmStartTest, ProgressRunsFromOneToHundredThenHandsOverToTheLogin)
{
    FrmStart &start = frmStart();
    EXPECT_TRUE(start.Timer2->isActive());
    const double fullWidth = start.Picture1_3->width() - 2.0 * start.Image1_3->x();
    for (int tick = 1; tick <= 100; ++tick) {
        start.Timer2_Timer();
        ASSERT_EQ(start.windowTitle(), QString::number(tick) + " %");
        if (tick == 50) {
            EXPECT_EQ(start.Image1_3->width(), static_cast<int>(fullWidth / 2));
        }
    }
    EXPECT_EQ(start.Image1_3->width(), static_cast<int>(fullWidth));
    // Still counting after 100 ticks: the hand-over starts with the next one.
    EXPECT_FALSE(start.Timer1->isActive());

    start.Timer2_Timer();
    EXPECT_EQ(start.windowTitle(), "100 %");
    EXPECT_FALSE(start.Timer2->isActive());
    EXPECT_TRUE(start.Timer1->isActive());
    EXPECT_FALSE(screens().isLoaded<FrmLogIn>());

    start.Timer1->stop();
    start.Timer1_Timer();
    processEvents();
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{"frmLogIn"});
    EXPECT_FALSE(screens().isLoaded<FrmStart>());
}
