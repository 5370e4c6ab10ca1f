#include <gtest/gtest.h>

#include <QPushButton>

#include "data/datacontrol.h"
#include "data/ui/datanavigator.h"
#include "support/fixture.h"

// The arrows under the master-data screens move through their data control.
using DataNavigatorTest = DatabaseTest;

TEST_F(DataNavigatorTest, ArrowsStayAtTheEndsAndReportARefusedStore)
{
    exec("INSERT INTO Customer (CustomerID, Customername) VALUES (1, 'Meier'), (2, 'Otto'), (3, 'Schulz')");
    DataControl customers{"Customer"};
    customers.refresh();
    DataNavigator arrows(customers);
    arrows.cmdPrevious->click();
    EXPECT_EQ(customers->text("Customername"), "Meier") << "before the first row stays on the first";
    arrows.cmdLast->click();
    arrows.cmdNext->click();
    EXPECT_EQ(customers->text("Customername"), "Schulz") << "after the last row stays on the last";

    // Leaving a row stores what was typed; a refusal is shown and the row stays.
    customers->setValue("CustomerID", 1);
    arrows.cmdFirst->click();
    EXPECT_EQ(customers->text("Customername"), "Schulz");
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbExclamation);
    customers->setValue("CustomerID", 7);
    arrows.cmdFirst->click();
    EXPECT_EQ(scalar("SELECT Customername FROM Customer WHERE CustomerID = 7").toString(), "Schulz");

    // A row being added is stored by its screen's own button, not by an arrow.
    customers->addNew();
    EXPECT_FALSE(arrows.cmdNext->isEnabled());
    customers->cancelUpdate();
    EXPECT_TRUE(arrows.cmdNext->isEnabled());
}
