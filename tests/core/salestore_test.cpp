#include "support/fixture.h"
#include "till/salestore.h"

namespace {
class SaleStoreTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO Products (ProductID, Description, Quantity, Mwst, SalesPrice)"
             " VALUES (1, 'Brot', 10, '7', 250), (2, 'Wein', 2, '19', 1190), (3, 'Tüte', NULL, '19', 10)");
        exec("INSERT INTO Customer (CustomerID, Customername, accountbalance) VALUES (4, 'Meier', 5000)");
    }

    static OrderLine line(const QString &productId, const QString &quantity, const QString &unitPrice)
    {
        return {productId, QString(), QString(), quantity, unitPrice, Money(), QString()};
    }

    static Sale sale()
    {
        Sale sale;
        sale.date = QDate(2026, 12, 6);
        sale.total = Money::fromCents(4320);
        sale.customerId = "4";
        sale.cashierId = "anna";
        sale.fullRateTax = Money::fromCents(570);
        sale.reducedRateTax = Money::fromCents(49);
        sale.lines = {line("1", "3", "2,50"), line("2", "3", "11,90"), line("3", "1,5", "0,10"),
                      line("1", "1", "2,50")};
        return sale;
    }
};
} // namespace

TEST_F(SaleStoreTest, ACashSaleStoresEveryLineAndItsStock)
{
    // Another till stored sale 6 after this payment was opened as number 1:
    // the sale takes the next free number when it is stored.
    exec("INSERT INTO Sales (salesid) VALUES (6)");
    Sale cash = sale();
    cash.salesId = 1;
    QString error;
    ASSERT_TRUE(storeSale(*m_db, cash, &error)) << error.toStdString();
    EXPECT_EQ(cash.salesId, 7);

    EXPECT_EQ(count("Sales"), 2);
    EXPECT_EQ(scalar("SELECT group_concat(productid || 'x' || quantity || '@' || salesprice, ' ') FROM SalesDetails"
                     " WHERE salesid = 7")
                  .toString(),
              "1x3@250 2x3@1190 3x1.5@10 1x1@250");
    // Two lines of one product lower its stock twice; a stock may go below
    // zero; a product without a stock figure keeps none.
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 1").toLongLong(), 6);
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 2").toLongLong(), -1);
    EXPECT_TRUE(scalar("SELECT Quantity FROM Products WHERE ProductID = 3").isNull());
}

TEST_F(SaleStoreTest, ARefusedLineStoresNothingOfTheSale)
{
    exec("CREATE TRIGGER full BEFORE INSERT ON SalesDetails WHEN NEW.productid = 2"
         " BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    Sale delivery = sale();
    delivery.delivery = true;
    QString error;
    EXPECT_FALSE(storeSale(*m_db, delivery, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(count("Sales"), 0);
    EXPECT_EQ(count("SalesDetails"), 0);
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 1").toLongLong(), 10);
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 4").toLongLong(), 5000);

    // Stored, a delivery adds to what the customer owes.
    exec("DROP TRIGGER full");
    ASSERT_TRUE(storeSale(*m_db, delivery, &error)) << error.toStdString();
    EXPECT_EQ(scalar("SELECT accountbalance FROM Customer WHERE CustomerID = 4").toLongLong(), 5000 + 4320);
}

TEST_F(SaleStoreTest, NoSaleWithoutLinesOrForACustomerWhoDoesNotExist)
{
    Sale empty = sale();
    empty.lines.clear();
    QString error;
    EXPECT_FALSE(storeSale(*m_db, empty, &error));
    EXPECT_FALSE(error.isEmpty());

    Sale delivery = sale();
    delivery.delivery = true;
    delivery.customerId = "999";
    EXPECT_FALSE(storeSale(*m_db, delivery, &error));
    EXPECT_EQ(error, "Kunde nicht gefunden!");
    EXPECT_EQ(count("Sales"), 0);
    EXPECT_EQ(count("SalesDetails"), 0);
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 1").toLongLong(), 10);
}

TEST_F(SaleStoreTest, WeighedSalesLeaveTheStockExactToTheGram)
{
    exec("UPDATE Products SET Quantity = 100 WHERE ProductID = 1");
    Sale weighed = sale();
    weighed.lines.assign(20, line("1", "0,35", "2,50"));
    weighed.lines.push_back(line("3", "0,001", "0,10"));
    QString error;
    ASSERT_TRUE(storeSale(*m_db, weighed, &error)) << error.toStdString();
    EXPECT_EQ(scalar("SELECT typeof(Quantity) || ' ' || Quantity FROM Products WHERE ProductID = 1").toString(),
              "integer 93");
    exec("UPDATE Products SET Quantity = 2.5 WHERE ProductID = 1");
    weighed.lines = {line("1", "0,1", "2,50"), line("1", "0,2", "2,50")};
    ASSERT_TRUE(storeSale(*m_db, weighed, &error)) << error.toStdString();
    EXPECT_EQ(scalar("SELECT Quantity FROM Products WHERE ProductID = 1").toString(), "2.2");
}
