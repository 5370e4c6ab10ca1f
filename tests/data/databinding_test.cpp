#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "data/datacontrol.h"
#include "data/ui/boundbox.h"
#include "data/ui/datanavigator.h"
#include "support/fixture.h"

class DataBindingTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO Customer (CustomerID, Customername) VALUES (1, 'Meier'), (2, 'O''Brien'), (3, 'Schulz')");
        customers.refresh();
    }

    DataControl customers{"Customer"};
};

TEST_F(DataBindingTest, BoundBoxFollowsTheCurrentRowBothWays)
{
    QLineEdit nameBox;
    QLineEdit unbound;
    BoundBox name(&nameBox, customers, "Customername");
    BoundBox nothing(&unbound, customers, QString());
    EXPECT_EQ(nameBox.text(), "Meier");
    EXPECT_EQ(unbound.text(), "");

    customers->moveNext(); // moved by anyone
    EXPECT_EQ(nameBox.text(), "O'Brien");

    nameBox.setText("O'Brian");
    emit nameBox.textEdited(nameBox.text());
    EXPECT_EQ(customers->text("Customername"), "O'Brian");
    customers->update();
    EXPECT_EQ(scalar("SELECT Customername FROM Customer WHERE CustomerID = 2").toString(), "O'Brian");
}

TEST_F(DataBindingTest, ArrowsStayAtTheEndsAndReportARefusedStore)
{
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
