#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/database.h"
#include "data/passwords.h"
#include "data/recordset.h"
#include "data/schema.h"
#include "masterdata/deliverybooking.h"
#include "till/salestore.h"
#include "platform/money.h"
#include "support/fixture.h"
#include "support/quantities.h"
#include "support/rawconnection.h"

namespace {
// A file as the program wrote it before the schema had a version.
#define KEY(column)                                                                                                    \
    "\"" column "\" INTEGER NOT NULL UNIQUE CHECK (typeof(\"" column "\") = 'integer' OR (typeof(\"" column            \
    "\") = 'text' AND \"" column "\" <> '' AND \"" column "\" NOT GLOB '*[^0-9]*'))"
#define LINE_AMOUNT(quantity, price) "CAST(round(round(" quantity " * 1000000) * " price " / 1000000.0) AS INTEGER)"
// clang-format off
const char *const UnversionedSchema[] = {
    "CREATE TABLE Products (" KEY("ProductID") ", ArtNr TEXT, Description TEXT, SupplierID INTEGER, Category TEXT,"
    " Brands TEXT, Size TEXT, Quantity NUMERIC DEFAULT 0, Mwst TEXT, OrderPrice INTEGER, SalesPrice INTEGER)",
    "CREATE TABLE Supplier (" KEY("SupplierID") ", SupplierName TEXT, Address TEXT, sPlace TEXT,"
    " TelephoneNumber TEXT, sEmail TEXT)",
    "CREATE TABLE Category (" KEY("CategoryID") ", Category TEXT)",
    "CREATE TABLE Brands (" KEY("ID") ", Brand TEXT, Remarks TEXT)",
    "CREATE TABLE Customer (" KEY("CustomerID") ", Customername TEXT, Address TEXT, Place TEXT,"
    " ContactNumber TEXT, accountbalance INTEGER DEFAULT 0)",
    "CREATE INDEX CustomerContactNumber ON Customer (ContactNumber)",
    "CREATE TABLE UserAccount (UserID TEXT NOT NULL UNIQUE, Password TEXT, Name TEXT, Address TEXT, uPlace TEXT,"
    " TelNo TEXT, uEMail TEXT)",
    "CREATE TABLE Settings (cName TEXT, cAddress TEXT, cPlace TEXT, cPhone TEXT, cFax TEXT, cstNr TEXT, custNr TEXT,"
    " ceMail TEXT, cHomepage TEXT, cbnText TEXT, deZE TEXT, voIPort TEXT)",
    "CREATE TABLE Sales (" KEY("salesid") ", Date TEXT, totalsales INTEGER, custid INTEGER, cashierid TEXT,"
    " mwst2 INTEGER, mwst1 INTEGER)",
    "CREATE INDEX SalesDate ON Sales (Date)",
    "CREATE TABLE SalesDetails (salesid INTEGER NOT NULL, productid INTEGER, quantity NUMERIC, salesprice INTEGER)",
    "CREATE INDEX SalesDetailsSale ON SalesDetails (salesid)",
    "CREATE INDEX SalesDetailsProduct ON SalesDetails (productid)",
    "CREATE TABLE Temp (tmpno INTEGER, category TEXT, productid INTEGER, Qty NUMERIC, Price INTEGER,"
    " extprice INTEGER, \"Desc\" TEXT, advancepayment TEXT, Cashier TEXT)",
    "CREATE TABLE Deliveries (deliveryno INTEGER NOT NULL, prodno INTEGER, quantity NUMERIC, orderprice INTEGER,"
    " Date TEXT)",
    "CREATE INDEX DeliveriesNumber ON Deliveries (deliveryno)",
    "CREATE INDEX DeliveriesProduct ON Deliveries (prodno)",
    "CREATE VIEW Receipt AS SELECT d.salesid AS salesid, p.Description AS \"Desc\", d.quantity AS Quantity,"
    " d.salesprice AS SalesPrice, " LINE_AMOUNT("d.quantity", "d.salesprice") " AS Ext"
    " FROM SalesDetails d LEFT JOIN Products p ON p.ProductID = d.productid",
    "CREATE VIEW EntireSales AS SELECT salesid AS ID, Date, totalsales AS Total, cashierid AS CashierID,"
    " mwst1 AS Mwst1, mwst2 AS Mwst2 FROM Sales",
    "CREATE VIEW entiredelivery AS SELECT deliveryno AS ID, min(Date) AS Date,"
    " sum(" LINE_AMOUNT("quantity", "orderprice") ") AS Total FROM Deliveries GROUP BY deliveryno",
    "CREATE VIEW ProductInventory AS SELECT p.ProductID AS Productid, p.Category AS Category,"
    " p.Description AS Description, p.Size AS Size,"
    " (SELECT coalesce(sum(quantity), 0) FROM Deliveries WHERE prodno = p.ProductID) AS Qtyorder,"
    " p.Quantity AS Quantity,"
    " (SELECT coalesce(sum(quantity), 0) FROM SalesDetails WHERE productid = p.ProductID) AS qtysold,"
    " p.OrderPrice AS orderPrice, p.SalesPrice AS SalesPrice FROM Products p ORDER BY p.ProductID",
    "CREATE VIEW Lieferungen AS SELECT CustomerID, Customername AS CustomerName, Address, ContactNumber,"
    " accountbalance AS Total FROM Customer WHERE accountbalance <> 0",
    "INSERT INTO Settings DEFAULT VALUES",
};

// What the program of schema version 3 added to it: running totals of the
// quantities as the lines hold them, added up as binary fractions.
#define ADD_AS_FRACTION(product, total, row, sign) \
    "INSERT OR IGNORE INTO ProductTotals (productid) SELECT " row "." product " WHERE " row "." product " IS NOT NULL;" \
    " UPDATE ProductTotals SET " total " = " total " " sign " coalesce(" row ".quantity, 0)" \
    " WHERE productid = " row "." product ";"
#define KEEP_AS_FRACTION(table, product, total) \
    "CREATE TRIGGER " table "AddsTo" total " AFTER INSERT ON " table \
    " BEGIN " ADD_AS_FRACTION(product, total, "NEW", "+") " END;" \
    "CREATE TRIGGER " table "TakesFrom" total " AFTER DELETE ON " table \
    " BEGIN " ADD_AS_FRACTION(product, total, "OLD", "-") " END;" \
    "CREATE TRIGGER " table "Changes" total " AFTER UPDATE OF " product ", quantity ON " table \
    " BEGIN " ADD_AS_FRACTION(product, total, "OLD", "-") " " ADD_AS_FRACTION(product, total, "NEW", "+") " END;"
const char *const VersionThreeTotals =
    "CREATE INDEX ProductsArtNr ON Products (ArtNr); CREATE INDEX ProductsCategory ON Products (Category);"
    "CREATE TABLE ProductTotals (productid INTEGER NOT NULL UNIQUE, delivered NUMERIC NOT NULL DEFAULT 0,"
    " sold NUMERIC NOT NULL DEFAULT 0);" KEEP_AS_FRACTION("Deliveries", "prodno", "delivered")
    KEEP_AS_FRACTION("SalesDetails", "productid", "sold") "PRAGMA user_version = 3;";
// clang-format on
#undef KEEP_AS_FRACTION
#undef ADD_AS_FRACTION
#undef KEY
#undef LINE_AMOUNT

// A file's schema in comparable form: every object with its statement, a
// table by its columns (a column added later reads differently in the
// table's statement than one created with it).
QStringList schemaOf(Database &database)
{
    QStringList objects;
    const auto rows = database.select("SELECT type, name, sql FROM sqlite_master WHERE name NOT LIKE 'sqlite_%'"
                                      " ORDER BY type, name");
    for (const auto &row : rows->values) {
        QString entry = row[0].toString() + ' ' + row[1].toString() + ": ";
        if (row[0].toString() != "table") {
            objects << entry + row[2].toString();
            continue;
        }
        const auto columns = database.select("PRAGMA table_info(" + quoteName(row[1].toString()) + ")");
        for (const auto &column : columns->values)
            for (const QVariant &field : column)
                entry += field.toString() + ' ';
        objects << entry;
    }
    objects << QStringLiteral("version %1").arg(database.scalar("PRAGMA user_version").toLongLong());
    return objects;
}

class DatabaseSchema : public DatabaseTest
{
protected:
    // Puts a file of an older program in the database's place (its tables,
    // then what `older` runs), opens it as the program does and checks that
    // it is then laid out as a new one.
    void openOlderFile(const QString &older)
    {
        const QString path = m_db->path();
        const auto current = schemaOf(*m_db);
        Database::setCurrent(nullptr);
        m_db.reset();
        ASSERT_TRUE(QFile::remove(path));
        {
            RawConnection old(path);
            for (const char *statement : UnversionedSchema)
                ASSERT_TRUE(old.exec(statement)) << old.error().toStdString();
            ASSERT_TRUE(old.exec(older)) << old.error().toStdString();
        }
        QString error;
        m_db = Database::open(path, &error);
        ASSERT_TRUE(m_db) << error.toStdString();
        EXPECT_EQ(schemaOf(*m_db), current) << "an upgraded file is laid out as a new one";
    }
};
} // namespace

TEST_F(DatabaseSchema, NewDatabaseHoldsEveryTableViewAndTheAdministrator)
{
    // The running totals are not one of the shop's tables.
    EXPECT_EQ(m_db->tableNames(), QStringList({"Products", "Supplier", "Category", "Brands", "Customer", "UserAccount",
                                               "Settings", "Sales", "SalesDetails", "Temp", "Deliveries"}));
    EXPECT_EQ(scalar("SELECT UserID FROM UserAccount").toString(), QString(Database::AdministratorId));
    const QString stored = scalar("SELECT Password FROM UserAccount").toString();
    EXPECT_NE(stored, QString()) << "the empty password is stored as a hash, not as nothing";
    EXPECT_TRUE(passwords::verify(stored, QString()));
    EXPECT_FALSE(passwords::verify(stored, "x"));
}

TEST_F(DatabaseSchema, KeysNeverRepeat)
{
    EXPECT_EQ(m_db->nextKey("Customer", "CustomerID"), std::optional<qint64>(1));
    exec("INSERT INTO Customer (CustomerID) VALUES (1)");
    exec("INSERT INTO Customer (CustomerID) VALUES (2)");
    exec("INSERT INTO Customer (CustomerID) VALUES (3)");
    exec("DELETE FROM Customer WHERE CustomerID = 2");
    // The row count would give 3 again; the highest key does not.
    EXPECT_EQ(m_db->nextKey("Customer", "CustomerID"), std::optional<qint64>(4));
    EXPECT_EQ(m_db->nextKey("NoSuchTable", "ID"), std::nullopt) << "a failed read is no key";
    // A highest key without a next whole number gives no key, never one that wraps round.
    exec("INSERT INTO Brands (ID) VALUES (?1)", {std::numeric_limits<qint64>::max()});
    EXPECT_EQ(m_db->nextKey("Brands", "ID"), std::nullopt);
    EXPECT_TRUE(m_db->lastError().contains("„ID“")) << m_db->lastError().toStdString();
    exec("INSERT INTO Deliveries (deliveryno, quantity) VALUES (2.5, 1)");
    EXPECT_EQ(m_db->nextKey("Deliveries", "deliveryno"), std::nullopt);
    exec("UPDATE Deliveries SET deliveryno = 41");
    EXPECT_EQ(m_db->nextKey("Deliveries", "deliveryno"), std::optional<qint64>(42));
    EXPECT_TRUE(m_db->lastError().isEmpty());

    EXPECT_FALSE(m_db->execute("INSERT INTO Customer (CustomerID) VALUES (3)")) << "a repeated key is refused";
    EXPECT_TRUE(m_db->lastError().contains("„CustomerID“ ist bereits vergeben")) << m_db->lastError().toStdString();
    EXPECT_FALSE(m_db->execute("INSERT INTO Category (CategoryID) VALUES ('abc')")) << "a key must be a number";
    EXPECT_FALSE(m_db->execute("INSERT INTO Category (Category) VALUES ('ohne Nummer')")) << "a key is required";
    EXPECT_TRUE(m_db->execute("INSERT INTO Category (CategoryID) VALUES ('7')")) << "typed digits are a number";
    EXPECT_EQ(scalar("SELECT typeof(CategoryID) FROM Category").toString(), "integer");
}

TEST_F(DatabaseSchema, OlderFileIsBroughtUpToDateOnOpenAndANewerOneIsRefused)
{
    openOlderFile("CREATE VIEW RetiredReport AS SELECT 1 AS x;"
                  "INSERT INTO Products (ProductID, Description, Quantity) VALUES (1, 'Pizza', 7);"
                  "INSERT INTO Deliveries VALUES (1, 1, 10, 300, '2026-01-05');"
                  "INSERT INTO SalesDetails VALUES (1, 1, 3, 850);");
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(scalar("PRAGMA journal_mode").toString(), "wal");
    EXPECT_EQ(scalar("SELECT Qtyorder || '/' || Quantity || '/' || qtysold FROM ProductInventory").toString(),
              "10/7/3");

    // A file from a later program keeps what this one cannot read.
    exec(QStringLiteral("PRAGMA user_version = %1").arg(schema::currentVersion() + 1));
    const QString path = m_db->path();
    m_db.reset();
    QString error;
    EXPECT_FALSE(Database::open(path, &error));
    EXPECT_TRUE(error.contains("neueren Version")) << error.toStdString();
}

TEST_F(DatabaseSchema, DatabaseHeldByAnotherProgramIsReportedAsInUseAndNothingIsStored)
{
    reopenWaitingBriefly();
    ASSERT_FALSE(HasFatalFailure());
    const QString path = m_db->path();
    exec("INSERT INTO Products (ProductID, Description, Quantity) VALUES (2, 'Cola', 5)");
    exec("INSERT INTO Sales (salesid) VALUES (1), (2), (3)");
    {
        RawConnection other(path);
        ASSERT_TRUE(other.exec("BEGIN IMMEDIATE; INSERT INTO Sales (salesid) VALUES (40);"));

        // Readers do not wait for a writer: the number is the true next one.
        EXPECT_EQ(nextSaleNumber(*m_db), std::optional<qint64>(4));
        Sale sale;
        sale.salesId = 4;
        sale.date = QDate(2026, 12, 6);
        sale.lines.push_back({"2", "Getränke", "Cola", "1", "1,99", Money::fromCents(199), "19"});
        QString error;
        EXPECT_FALSE(storeSale(*m_db, sale, &error));
        EXPECT_EQ(error, Database::inUseMessage());

        const auto booking = deliveries::book(m_db.get(), {"1", "2", "10", "0,50", "1,99", QDate(2026, 12, 6)});
        EXPECT_FALSE(booking.booked);
        EXPECT_TRUE(booking.refusal.contains(Database::inUseMessage())) << booking.refusal.toStdString();
    }
    EXPECT_EQ(count("Sales"), 3);
    EXPECT_EQ(count("Deliveries"), 0);
    EXPECT_EQ(scalar("SELECT Quantity FROM Products").toLongLong(), 5);

    // Another program that holds the file to itself keeps the program from
    // opening it; that is not a wrong password.
    Database::setCurrent(nullptr);
    m_db.reset();
    RawConnection other(path);
    ASSERT_TRUE(other.exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; DELETE FROM Temp;"));
    QString error;
    EXPECT_FALSE(Database::open(path, &error));
    EXPECT_TRUE(error.contains(Database::inUseMessage())) << error.toStdString();
}

TEST_F(DatabaseSchema, SaleCutOffByAKillIsNotThereAtAllAndAStoredOneIsWhole)
{
    EXPECT_EQ(scalar("PRAGMA journal_mode").toString(), "wal");
    EXPECT_EQ(scalar("PRAGMA synchronous").toLongLong(), 2) << "every commit is synced";
    exec("INSERT INTO Products (ProductID, Description, Quantity) VALUES (2, 'Cola', 500)");
    Sale sale;
    sale.salesId = 1;
    sale.date = QDate(2026, 12, 6);
    sale.lines.assign(3, {"2", "Getränke", "Cola", "1", "1,99", Money::fromCents(199), "19"});
    QString error;
    ASSERT_TRUE(storeSale(*m_db, sale, &error)) << error.toStdString();

    // The files as a kill leaves them in the middle of the next sale, after
    // part of it has reached the log.
    const QString path = m_db->path();
    {
        RawConnection till(path);
        ASSERT_TRUE(till.exec("PRAGMA cache_size = 2; BEGIN; INSERT INTO Sales (salesid) VALUES (2);"
                              "UPDATE Products SET Quantity = Quantity - 100;"
                              "INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) WITH RECURSIVE"
                              " n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)"
                              " SELECT 2, 2, 1, 199 FROM n;"));
        ASSERT_GT(QFileInfo(path + "-wal").size(), 0);
        for (const QString suffix : {"", "-wal"})
            ASSERT_TRUE(QFile::copy(path + suffix, m_dir.filePath("killed.db" + suffix)));
    }
    auto killed = Database::open(m_dir.filePath("killed.db"), &error);
    ASSERT_TRUE(killed) << error.toStdString();
    EXPECT_EQ(killed->scalar("PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(killed->scalar("SELECT group_concat(salesid) FROM Sales").toString(), "1");
    EXPECT_EQ(killed->scalar("SELECT count(*) FROM SalesDetails WHERE salesid = 1").toLongLong(), 3);
    EXPECT_EQ(killed->scalar("SELECT count(*) FROM SalesDetails").toLongLong(), 3);
    EXPECT_EQ(killed->scalar("SELECT Quantity FROM Products").toLongLong(), 497);
}

TEST_F(DatabaseSchema, ReopeningKeepsTheDataAndNothingOverwritesAnExistingFile)
{
    exec("INSERT INTO Customer (CustomerID, Customername) VALUES (1, 'Meier')");
    const QString path = m_db->path();
    m_db.reset();

    // Creating over the shop's data is refused and leaves it as it was.
    QString error;
    EXPECT_FALSE(Database::createFile(path, &error));
    EXPECT_TRUE(error.contains("besteht bereits")) << error.toStdString();

    m_db = Database::openOrCreate(path, &error);
    ASSERT_TRUE(m_db) << error.toStdString();
    EXPECT_EQ(scalar("SELECT Customername FROM Customer WHERE CustomerID = 1").toString(), QString("Meier"));
    EXPECT_EQ(count("Settings"), 1) << "opening again adds no second settings row";
    EXPECT_EQ(count("UserAccount"), 1) << "opening again adds no second administrator";

    // A folder that does not exist gives a German message and no database.
    error.clear();
    const QString nowhere = m_dir.filePath(QStringLiteral("fehlt/zazozu.db"));
    EXPECT_FALSE(Database::openOrCreate(nowhere, &error));
    EXPECT_TRUE(error.contains("kann nicht geöffnet werden")) << error.toStdString();
    EXPECT_FALSE(QDir(m_dir.filePath(QStringLiteral("fehlt"))).exists());
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

namespace {
// The stock list's delivered and sold figures as the record source hands
// them over, compared with sums kept here in whole thousandths: the same
// number as stored (a whole one as an integer), and the same text.
void expectStockFigures(Database &db, const std::vector<qint64> &delivered, const std::vector<qint64> &sold)
{
    Recordset stock;
    ASSERT_TRUE(stock.open(&db, "ProductInventory", false)) << db.lastError().toStdString();
    for (std::size_t product = 1; product < delivered.size(); ++product) {
        ASSERT_TRUE(stock.find({"Productid", QString::number(product)})) << product;
        for (const auto &[column, thousandths] :
             {std::pair{"Qtyorder", delivered[product]}, {"qtysold", sold[product]}}) {
            const QVariant read = stock.value(column);
            if (thousandths % 1000 == 0)
                EXPECT_EQ(read, QVariant(thousandths / 1000)) << column << " of product " << product;
            else
                EXPECT_EQ(read, QVariant(static_cast<double>(thousandths) / 1000))
                    << column << " of product " << product;
            EXPECT_EQ(stock.text(column), thousandthsText(thousandths)) << column << " of product " << product;
        }
        stock.moveFirst();
    }
}
} // namespace

TEST_F(DatabaseSchema, TotalsAddedAsFractionsAreTakenOverToTheGram)
{
    // A year at the counter for weighed goods, stored by the older program.
    std::vector<qint64> delivered(3), sold(3);
    QString older = QString(VersionThreeTotals) +
                    "INSERT INTO Products (ProductID, Description) VALUES (1, 'Käse'), (2, 'Oliven'); BEGIN;";
    std::mt19937 random(20);
    for (int line = 0; line < 40000; ++line) {
        const int product = 1 + line % 2;
        const qint64 thousandths = 1 + static_cast<qint64>(random() % 1999);
        const bool delivery = line % 5 == 0;
        (delivery ? delivered : sold)[product] += thousandths;
        older += QString(delivery ? "INSERT INTO Deliveries VALUES (%1, %2, %3, 100, '2026-01-05');"
                                  : "INSERT INTO SalesDetails VALUES (%1, %2, %3, 850);")
                     .arg(line)
                     .arg(product)
                     .arg(QString::number(static_cast<double>(thousandths) / 1000, 'f', 3));
    }
    openOlderFile(older + "COMMIT;");
    ASSERT_FALSE(HasFatalFailure());
    // Laid out as a new file, it keeps its totals as a new one does: see the
    // next test.
    expectStockFigures(*m_db, delivered, sold);
}

// The stock list's delivered and sold figures are kept as running totals;
// after any mix of stored, changed and removed weighed lines they must equal
// the sums over the history to the gram.
TEST_F(DatabaseSchema, StockTotalsEqualTheSumsOverTheHistoryToTheGram)
{
    exec("INSERT INTO Products (ProductID, Description) VALUES (1, 'Brot'), (2, 'Käse'), (3, 'Wein')");
    // What is in the tables, line by line, oldest first: product and thousandths.
    std::deque<std::pair<int, qint64>> salesLines, deliveryLines;
    std::mt19937 random(14);
    Database::Transaction transaction(*m_db);
    for (int step = 0; step < 30000; ++step) {
        const int product = 1 + static_cast<int>(random() % 4); // 4 is no product
        const qint64 thousandths = static_cast<qint64>(random() % 20000);
        const QVariant quantity = schema::storedQuantity(static_cast<double>(thousandths) / 1000);
        const auto action = random() % 8;
        if (action < 3) {
            exec("INSERT INTO SalesDetails VALUES (?1, ?2, ?3, 100)", {step, product, quantity});
            salesLines.emplace_back(product, thousandths);
        } else if (action < 5) {
            exec("INSERT INTO Deliveries VALUES (?1, ?2, ?3, 100, '2026-01-01')", {step, product, quantity});
            deliveryLines.emplace_back(product, thousandths);
        } else if (action == 5 && !salesLines.empty()) {
            exec("UPDATE SalesDetails SET quantity = ?1, productid = ?2 WHERE rowid = (SELECT max(rowid) FROM "
                 "SalesDetails)",
                 {quantity, product});
            salesLines.back() = {product, thousandths};
        } else if (action == 6 && !salesLines.empty()) {
            exec("DELETE FROM SalesDetails WHERE rowid = (SELECT min(rowid) FROM SalesDetails)");
            salesLines.pop_front();
        } else if (action == 7 && !deliveryLines.empty()) {
            exec("DELETE FROM Deliveries WHERE rowid = (SELECT min(rowid) FROM Deliveries)");
            deliveryLines.pop_front();
        }
    }
    exec("INSERT INTO SalesDetails VALUES (999, NULL, 5, 100)");
    ASSERT_TRUE(transaction.commit());

    // Products 1 to 3, and the lines of product 4, which is none, to drop.
    std::vector<qint64> delivered(5), sold(5);
    for (const auto &[product, thousandths] : deliveryLines)
        delivered[product] += thousandths;
    for (const auto &[product, thousandths] : salesLines)
        sold[product] += thousandths;
    delivered.pop_back();
    sold.pop_back();
    expectStockFigures(*m_db, delivered, sold);
}
