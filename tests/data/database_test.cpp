#include <gtest/gtest.h>

#include <cstdlib>

#include <QFile>

#include "data/database.h"
#include "data/passwords.h"
#include "platform/money.h"
#include "support/fixture.h"

using DatabaseSchema = DatabaseTest;

TEST_F(DatabaseSchema, NewDatabaseHoldsEveryTableViewAndTheAdministrator)
{
    EXPECT_EQ(m_db->tableNames(), QStringList({"Products", "Supplier", "Category", "Brands", "Customer", "UserAccount",
                                               "Settings", "Sales", "SalesDetails", "Temp", "Deliveries"}));

    // Column names answer in any letter case, views included.
    const auto receipt = m_db->select("SELECT SALESID, desc, quantity, salesprice, EXT FROM receipt");
    ASSERT_TRUE(receipt) << m_db->lastError().toStdString();
    EXPECT_TRUE(m_db->select("SELECT id, date, total, cashierid, mwst1, mwst2 FROM entiresales"));
    EXPECT_TRUE(m_db->select("SELECT ID, Date, Total FROM EntireDelivery"));
    EXPECT_TRUE(m_db->select("SELECT productid, category, description, size, qtyorder, quantity, qtysold, orderprice,"
                             " salesprice FROM productinventory"));
    EXPECT_TRUE(m_db->select("SELECT customerid, customername, address, contactnumber, total FROM lieferungen"));

    EXPECT_EQ(count("Settings"), 1);
    EXPECT_EQ(count("UserAccount"), 1);
    EXPECT_EQ(scalar("SELECT UserID FROM UserAccount").toString(), QString(Database::AdministratorId));
    const QString stored = scalar("SELECT Password FROM UserAccount").toString();
    EXPECT_NE(stored, QString()) << "the empty password is stored as a hash, not as nothing";
    EXPECT_TRUE(passwords::verify(stored, QString()));
    EXPECT_FALSE(passwords::verify(stored, "x"));
}

TEST_F(DatabaseSchema, ViewsComputeAmountsInCents)
{
    exec("INSERT INTO Products (ProductID, Description, Quantity, OrderPrice, SalesPrice) VALUES (1, 'Pizza', 10, 300, "
         "850)");
    exec("INSERT INTO Products (ProductID, Description, Quantity, OrderPrice, SalesPrice) VALUES (2, 'Cola', 5, 50, "
         "199)");
    exec("INSERT INTO SalesDetails VALUES (1, 1, 2, 850)");
    exec("INSERT INTO SalesDetails VALUES (1, 2, 1.5, 199)");
    exec("INSERT INTO SalesDetails VALUES (2, 1, 0.35, 350)");
    exec("INSERT INTO Deliveries VALUES (1, 1, 4, 300, '2026-12-01')");
    exec("INSERT INTO Deliveries VALUES (1, 2, 3, 50, '2026-12-01')");
    exec("INSERT INTO Customer (CustomerID, Customername, accountbalance) VALUES (1, 'Meier', 0)");
    exec("INSERT INTO Customer (CustomerID, Customername, accountbalance) VALUES (2, 'Öztürk', 2350)");

    const auto lines = m_db->select("SELECT Ext FROM Receipt WHERE salesid = 1 ORDER BY Ext");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->values[0][0].toLongLong(), 299); // 1,5 × 1,99 = 2,985 → 2,99
    EXPECT_EQ(lines->values[1][0].toLongLong(), 1700);
    // 0,35 × 3,50 = 1,225: the receipt rounds the line as the till does.
    EXPECT_EQ(scalar("SELECT Ext FROM Receipt WHERE salesid = 2").toLongLong(),
              Money::fromCents(350).times(0.35).cents());
    EXPECT_EQ(scalar("SELECT Total FROM entiredelivery WHERE ID = 1").toLongLong(), 1350);
    EXPECT_EQ(scalar("SELECT Qtyorder FROM ProductInventory WHERE Productid = 1").toLongLong(), 4);
    EXPECT_EQ(scalar("SELECT qtysold FROM ProductInventory WHERE Productid = 2").toDouble(), 1.5);
    EXPECT_EQ(scalar("SELECT count(*) FROM Lieferungen").toLongLong(), 1);
    EXPECT_EQ(scalar("SELECT CustomerName FROM Lieferungen").toString(), QString("Öztürk"));
}

TEST_F(DatabaseSchema, KeysNeverRepeat)
{
    EXPECT_EQ(m_db->nextKey("Customer", "CustomerID"), 1);
    exec("INSERT INTO Customer (CustomerID) VALUES (1)");
    exec("INSERT INTO Customer (CustomerID) VALUES (2)");
    exec("INSERT INTO Customer (CustomerID) VALUES (3)");
    exec("DELETE FROM Customer WHERE CustomerID = 2");
    // The row count would give 3 again; the highest key does not.
    EXPECT_EQ(m_db->nextKey("Customer", "CustomerID"), 4);

    EXPECT_FALSE(m_db->execute("INSERT INTO Customer (CustomerID) VALUES (3)")) << "a repeated key is refused";
    EXPECT_TRUE(m_db->lastError().contains("„CustomerID“ ist bereits vergeben")) << m_db->lastError().toStdString();
    EXPECT_FALSE(m_db->execute("INSERT INTO Category (CategoryID) VALUES ('abc')")) << "a key must be a number";
    EXPECT_FALSE(m_db->execute("INSERT INTO Category (Category) VALUES ('ohne Nummer')")) << "a key is required";
    EXPECT_TRUE(m_db->execute("INSERT INTO Category (CategoryID) VALUES ('7')")) << "typed digits are a number";
    EXPECT_EQ(scalar("SELECT typeof(CategoryID) FROM Category").toString(), "integer");
}

TEST_F(DatabaseSchema, FileCannotBeReadWithoutThePassword)
{
    exec("INSERT INTO Customer (CustomerID, Customername) VALUES (1, 'Geheimkunde')");
    const QString path = m_db->path();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("SQLite format 3")) << "the file is encrypted";
    EXPECT_FALSE(bytes.contains("Geheimkunde"));

    // A file that is not the shop's database is refused with a German message.
    QFile other(m_dir.filePath("fremd.db"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(QByteArray(4096, 'x'));
    other.close();
    QString error;
    EXPECT_FALSE(Database::openOrCreate(other.fileName(), &error));
    EXPECT_TRUE(error.contains("kann nicht gelesen werden")) << error.toStdString();
}

TEST_F(DatabaseSchema, FailedTransactionLeavesNoPartialRows)
{
    exec("CREATE TRIGGER full BEFORE INSERT ON SalesDetails WHEN NEW.productid = 2 BEGIN SELECT RAISE(ABORT, 'disk "
         "full'); END");
    {
        Database::Transaction transaction(*m_db);
        ASSERT_TRUE(transaction.active());
        EXPECT_TRUE(m_db->execute("INSERT INTO Sales (salesid, totalsales) VALUES (1, 500)"));
        EXPECT_TRUE(m_db->execute("INSERT INTO SalesDetails VALUES (1, 1, 1, 250)"));
        EXPECT_FALSE(m_db->execute("INSERT INTO SalesDetails VALUES (1, 2, 1, 250)"));
        EXPECT_TRUE(m_db->lastError().contains("disk full"));
    } // not committed
    EXPECT_EQ(count("Sales"), 0);
    EXPECT_EQ(count("SalesDetails"), 0);
}

// The stock list's delivered and sold figures are kept as running totals;
// after any mix of stored, changed and removed lines they must equal the sums
// over the history, also in a file from before the totals existed.
TEST_F(DatabaseSchema, StockTotalsEqualTheSumsOverTheHistory)
{
    exec("INSERT INTO Products (ProductID, Description) VALUES (1, 'Brot'), (2, 'Käse'), (3, 'Wein')");
    const auto expectTotalsMatchHistory = [this](Database &db) {
        for (int product = 1; product <= 3; ++product) {
            const auto shown =
                db.select("SELECT Qtyorder, qtysold FROM ProductInventory WHERE Productid = ?1", {product});
            ASSERT_TRUE(shown && shown->values.size() == 1) << db.lastError().toStdString();
            const double delivered =
                db.scalar("SELECT coalesce(sum(quantity), 0) FROM Deliveries WHERE prodno = ?1", {product}).toDouble();
            const double sold =
                db.scalar("SELECT coalesce(sum(quantity), 0) FROM SalesDetails WHERE productid = ?1", {product})
                    .toDouble();
            EXPECT_NEAR(shown->values[0][0].toDouble(), delivered, 1e-9) << "product " << product;
            EXPECT_NEAR(shown->values[0][1].toDouble(), sold, 1e-9) << "product " << product;
        }
    };
    std::srand(14);
    for (int step = 0; step < 200; ++step) {
        const int product = 1 + std::rand() % 4; // 4 is no product
        const double quantity = (std::rand() % 8) / 2.0;
        switch (std::rand() % 5) {
        case 0:
            exec("INSERT INTO SalesDetails VALUES (?1, ?2, ?3, 100)", {step, product, quantity});
            break;
        case 1:
            exec("INSERT INTO Deliveries VALUES (?1, ?2, ?3, 100, '2026-01-01')", {step, product, quantity});
            break;
        case 2:
            exec("UPDATE SalesDetails SET quantity = ?1, productid = ?2 WHERE rowid = (SELECT max(rowid) FROM "
                 "SalesDetails)",
                 {quantity, product});
            break;
        case 3:
            exec("DELETE FROM SalesDetails WHERE rowid = (SELECT min(rowid) FROM SalesDetails)");
            break;
        default:
            exec("DELETE FROM Deliveries WHERE rowid = (SELECT min(rowid) FROM Deliveries)");
        }
    }
    exec("INSERT INTO SalesDetails VALUES (999, NULL, 5, 100)");
    expectTotalsMatchHistory(*m_db);
    EXPECT_EQ(m_db->tableNames().size(), 11) << "the totals are not one of the shop's tables";

    // A file without the totals gets them, from its history, when opened.
    for (const char *statement :
         {"DROP VIEW ProductInventory", "DROP TRIGGER DeliveriesAddsTodelivered",
          "DROP TRIGGER DeliveriesTakesFromdelivered", "DROP TRIGGER DeliveriesChangesdelivered",
          "DROP TRIGGER SalesDetailsAddsTosold", "DROP TRIGGER SalesDetailsTakesFromsold",
          "DROP TRIGGER SalesDetailsChangessold", "DROP TABLE ProductTotals",
          "CREATE VIEW ProductInventory AS SELECT ProductID AS Productid FROM Products"})
        exec(statement);
    QString error;
    auto reopened = Database::openOrCreate(m_db->path(), &error);
    ASSERT_TRUE(reopened) << error.toStdString();
    expectTotalsMatchHistory(*reopened);
}
