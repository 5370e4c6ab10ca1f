#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "platform/screens.h"
#include "till/frmcustomersearch.h"
#include "till/frmsales.h"
#include "tilltest.h"

namespace {
class CustomerSearchTest : public TillTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        addCallers();
    }

    // Presses "Kunde Suchen" and lets `cashier` work the search screen.
    void search(const std::function<void(FrmCustomerSearch &)> &cashier)
    {
        work<FrmCustomerSearch>(frmSales().selCustomer, cashier);
    }
};
} // namespace

TEST_F(CustomerSearchTest, KeypadFindsTheCustomerByTelephoneNumber)
{
    FrmSales &sales = frmSales();
    // Closed without a search, it leaves the first customer current.
    search([](FrmCustomerSearch &searchScreen) { searchScreen.lButton[7]->click(); });
    EXPECT_EQ(sales.txtName->text(), "Meier");

    // Each search starts empty.
    search([](FrmCustomerSearch &searchScreen) {
        EXPECT_EQ(searchScreen.cusearch->text(), QString());
        // Each digit is appended; "Clr" starts afresh.
        for (const QChar key : QString("12C01711234567"))
            (key == 'C' ? searchScreen.lButtonClr : searchScreen.lButton[key.digitValue()])->click();
        EXPECT_EQ(searchScreen.cusearch->text(), "01711234567");
        searchScreen.cmdFind->click();
    });
    EXPECT_EQ(sales.txtName->text(), "Schulz");
    EXPECT_FALSE(screens().isLoaded<FrmCustomerSearch>());

    // Numbers match by their digits, however they are written; an empty
    // search finds nobody, not a customer without a number.
    const std::vector<std::pair<QString, QString>> searches = {{"0301111", "Meier"},
                                                               {"(030) 11-11", "Meier"},
                                                               {"+49301111", "Meier"},
                                                               {"0301112", QString()},
                                                               {QString(), QString()}};
    for (const auto &[number, found] : searches) {
        SCOPED_TRACE(number.toStdString());
        search([typed = number](FrmCustomerSearch &searchScreen) {
            searchScreen.cusearch->setText(typed);
            searchScreen.cmdFind->click();
        });
        EXPECT_EQ(sales.txtName->text(), found);
    }
}
