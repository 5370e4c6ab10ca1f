#include "data/schema.h"

#include <iterator>
#include <utility>
#include <vector>

#include <QStringList>

#include "data/database.h"
#include "data/passwords.h"

namespace schema {

namespace {
// clang-format off
// Keys are whole numbers, unique in their table; a key that is missing or not
// a number is refused by the database itself.
// (Digits typed as text pass the check and are stored as a number.)
#define KEY(column)                                                                                                    \
    "\"" column "\" INTEGER NOT NULL UNIQUE CHECK (typeof(\"" column "\") = 'integer' OR (typeof(\"" column           \
    "\") = 'text' AND \"" column "\" <> '' AND \"" column "\" NOT GLOB '*[^0-9]*'))"

// A quantity times a price in cents, rounded to whole cents half away from
// zero as Money::times does. The quantity is taken in millionths first: 0,35
// is 0.34999... in binary, and 0,35 × 3,50 must print 1,23 as on the till,
// not 1,22.
#define LINE_AMOUNT(quantity, price)                                                                                   \
    "CAST(round(round(" quantity " * 1000000) * " price " / 1000000.0) AS INTEGER)"

// A quantity in whole thousandths, rounded half away from zero; no quantity
// (or no number) counts for none.
#define THOUSANDTHS(quantity) "CAST(round(coalesce(" quantity ", 0) * 1000) AS INTEGER)"
// Whole thousandths as the quantity they count: a whole number stays an
// integer, so that 3 reads 3 and not 3.0; a fraction is the nearest double
// to it, which prints with its three decimals.
#define UNITS(thousandths)                                                                                             \
    "CASE WHEN " thousandths " % 1000 = 0 THEN " thousandths " / 1000 ELSE " thousandths " / 1000.0 END"

// The tables as the first program that kept a schema version laid them out.
// Never change these: a later version adds what it needs as an upgrade step
// below, so that a new file and an upgraded old one end up alike.
const char *const BaseTables[] = {
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
};

// What each schema version adds to the one before, oldest first; a
// database's PRAGMA user_version counts the steps it has. A new version
// appends a step (tables, columns, indexes, triggers, filling them from the
// stored data); changing a view also takes a step, which may be empty:
// every upgrade re-creates all views from Views below.
struct UpgradeStep
{
    std::vector<const char *> statements;
};

// A running sum of one quantity column per product, kept by a trigger: the
// zero row first (this SQLite has no upsert), then the change. A row without
// a product counts for none, as it matches no product in a sum either.
#define ADD_TO_TOTAL(product, quantity, total, row, sign)                                                              \
    "INSERT OR IGNORE INTO ProductTotals (productid) SELECT " row "." product " WHERE " row "." product                \
    " IS NOT NULL; UPDATE ProductTotals SET " total " = " total " " sign " coalesce(" row "." quantity ", 0)"          \
    " WHERE productid = " row "." product ";"
#define KEEP_TOTAL(table, product, quantity, total)                                                                    \
    "CREATE TRIGGER IF NOT EXISTS " table "AddsTo" total " AFTER INSERT ON " table " BEGIN "                           \
        ADD_TO_TOTAL(product, quantity, total, "NEW", "+") " END",                                                     \
    "CREATE TRIGGER IF NOT EXISTS " table "TakesFrom" total " AFTER DELETE ON " table " BEGIN "                        \
        ADD_TO_TOTAL(product, quantity, total, "OLD", "-") " END",                                                     \
    "CREATE TRIGGER IF NOT EXISTS " table "Changes" total                                                              \
        " AFTER UPDATE OF " product ", " quantity " ON " table " BEGIN "                                               \
        ADD_TO_TOTAL(product, quantity, total, "OLD", "-") " " ADD_TO_TOTAL(product, quantity, total, "NEW", "+") " END"

// The same in whole thousandths of the quantity, rounded half away from
// zero: added as integers, the sums stay exact however many lines there are.
#define ADD_THOUSANDTHS(product, quantity, total, row, sign)                                                           \
    "INSERT OR IGNORE INTO ProductTotals (productid) SELECT " row "." product " WHERE " row "." product                \
    " IS NOT NULL; UPDATE ProductTotals SET " total " = " total " " sign " " THOUSANDTHS(row "." quantity)            \
    " WHERE productid = " row "." product ";"
#define KEEP_THOUSANDTHS(table, product, quantity, total)                                                              \
    "CREATE TRIGGER IF NOT EXISTS " table "AddsThousandthsTo" total " AFTER INSERT ON " table " BEGIN "                \
        ADD_THOUSANDTHS(product, quantity, total, "NEW", "+") " END",                                                  \
    "CREATE TRIGGER IF NOT EXISTS " table "TakesThousandthsFrom" total " AFTER DELETE ON " table " BEGIN "             \
        ADD_THOUSANDTHS(product, quantity, total, "OLD", "-") " END",                                                  \
    "CREATE TRIGGER IF NOT EXISTS " table "ChangesThousandthsOf" total                                                 \
        " AFTER UPDATE OF " product ", " quantity " ON " table " BEGIN "                                               \
        ADD_THOUSANDTHS(product, quantity, total, "OLD", "-") " "                                                      \
        ADD_THOUSANDTHS(product, quantity, total, "NEW", "+") " END"

const UpgradeStep UpgradeSteps[] = {
    // 1: the schema version is recorded; the views are re-created.
    {{}},
    // 2: entiredelivery gives a delivery number used again on another day a
    // row of its own.
    {{}},
    // 3: what a shop of 10^5 products and 10^6 sales needs: the till looks
    // products up by article number and category at every key and click, and
    // the stock list reads delivered and sold per product from running
    // totals, kept in the same transaction as every line, instead of summing
    // the whole history each time it opens. Run again, it changes nothing.
    {{
        "CREATE INDEX IF NOT EXISTS ProductsArtNr ON Products (ArtNr)",
        "CREATE INDEX IF NOT EXISTS ProductsCategory ON Products (Category)",
        "CREATE TABLE IF NOT EXISTS ProductTotals (productid INTEGER NOT NULL UNIQUE, delivered NUMERIC NOT NULL DEFAULT 0,"
        " sold NUMERIC NOT NULL DEFAULT 0)",
        KEEP_TOTAL("Deliveries", "prodno", "quantity", "delivered"),
        KEEP_TOTAL("SalesDetails", "productid", "quantity", "sold"),
        "INSERT OR REPLACE INTO ProductTotals (productid, delivered, sold)"
        " SELECT productid, sum(delivered), sum(sold) FROM ("
        "  SELECT prodno AS productid, coalesce(quantity, 0) AS delivered, 0 AS sold FROM Deliveries"
        "  WHERE prodno IS NOT NULL"
        "  UNION ALL SELECT productid, 0, coalesce(quantity, 0) FROM SalesDetails WHERE productid IS NOT NULL)"
        " GROUP BY productid",
    }},
    // 4: the running totals count whole thousandths of a unit (grams of a
    // kilogram), under the same column names: weighed quantities added as
    // binary fractions drift off their third decimal, and 30977,305 read
    // 30977,3049999999 after a year of lines. The sums kept so far lie far
    // closer than half a thousandth to the true ones and are taken over
    // rounded. Run again after step 3, it ends as it did the first time.
    {{
        "DROP VIEW IF EXISTS ProductInventory",
        "DROP TRIGGER IF EXISTS DeliveriesAddsTodelivered",
        "DROP TRIGGER IF EXISTS DeliveriesTakesFromdelivered",
        "DROP TRIGGER IF EXISTS DeliveriesChangesdelivered",
        "DROP TRIGGER IF EXISTS SalesDetailsAddsTosold",
        "DROP TRIGGER IF EXISTS SalesDetailsTakesFromsold",
        "DROP TRIGGER IF EXISTS SalesDetailsChangessold",
        "ALTER TABLE ProductTotals RENAME TO ProductTotalsInUnits",
        "CREATE TABLE ProductTotals (productid INTEGER NOT NULL UNIQUE, delivered INTEGER NOT NULL DEFAULT 0,"
        " sold INTEGER NOT NULL DEFAULT 0)",
        "INSERT INTO ProductTotals (productid, delivered, sold)"
        " SELECT productid, " THOUSANDTHS("delivered") ", " THOUSANDTHS("sold") " FROM ProductTotalsInUnits",
        "DROP TABLE ProductTotalsInUnits",
        KEEP_THOUSANDTHS("Deliveries", "prodno", "quantity", "delivered"),
        KEEP_THOUSANDTHS("SalesDetails", "productid", "quantity", "sold"),
    }},
    // 5: a category click reads only the products that get a button, in
    // product order, straight from the index, however many the category has.
    {{
        "CREATE INDEX IF NOT EXISTS ProductsCategoryProduct ON Products (Category, ProductID)",
        "DROP INDEX IF EXISTS ProductsCategory",
    }},
};
#undef KEEP_THOUSANDTHS
#undef ADD_THOUSANDTHS
#undef KEEP_TOTAL
#undef ADD_TO_TOTAL

// The read-only record sources as this program reads them.
const char *const Views[] = {
    // The lines of stored sales, with their amounts in cents, rounded as the
    // till rounds them (see LINE_AMOUNT).
    "CREATE VIEW Receipt AS SELECT d.salesid AS salesid, p.Description AS \"Desc\", d.quantity AS Quantity,"
    " d.salesprice AS SalesPrice, " LINE_AMOUNT("d.quantity", "d.salesprice") " AS Ext"
    " FROM SalesDetails d LEFT JOIN Products p ON p.ProductID = d.productid",
    // One row per sale.
    "CREATE VIEW EntireSales AS SELECT salesid AS ID, Date, totalsales AS Total, cashierid AS CashierID,"
    " mwst1 AS Mwst1, mwst2 AS Mwst2 FROM Sales",
    // One row per delivery: a number and the day it came, with everything it
    // brought. A number used again on another day is another delivery, summed
    // on its own day, so that each period adds up what arrived in it.
    "CREATE VIEW entiredelivery AS SELECT deliveryno AS ID, Date,"
    " sum(" LINE_AMOUNT("quantity", "orderprice") ") AS Total FROM Deliveries GROUP BY deliveryno, Date",
    // The stock list: every product with what was delivered and what was sold.
    "CREATE VIEW ProductInventory AS SELECT p.ProductID AS Productid, p.Category AS Category,"
    " p.Description AS Description, p.Size AS Size, " UNITS("coalesce(t.delivered, 0)") " AS Qtyorder,"
    " p.Quantity AS Quantity, " UNITS("coalesce(t.sold, 0)") " AS qtysold, p.OrderPrice AS orderPrice,"
    " p.SalesPrice AS SalesPrice FROM Products p LEFT JOIN ProductTotals t ON t.productid = p.ProductID"
    " ORDER BY p.ProductID",
    // Customers who owe the shop something (or are owed): their balance.
    "CREATE VIEW Lieferungen AS SELECT CustomerID, Customername AS CustomerName, Address, ContactNumber,"
    " accountbalance AS Total FROM Customer WHERE accountbalance <> 0",
};
#undef KEY
#undef LINE_AMOUNT
#undef THOUSANDTHS
#undef UNITS
// clang-format on

// What every column of every table and record source holds. A column of a
// view is listed under the view: "Total" is money in EntireSales because it is
// listed so here, whatever another source's "Total" holds. A new column or
// view is added here together with its statement above.
struct SourceColumns
{
    const char *source;
    std::vector<std::pair<const char *, ColumnType>> columns;
};

const std::vector<SourceColumns> &columnTypes()
{
    using enum ColumnType;
    static const std::vector<SourceColumns> types = {
        {"Products",
         {{"ProductID", Key},
          {"ArtNr", Text},
          {"Description", Text},
          {"SupplierID", Key},
          {"Category", Text},
          {"Brands", Text},
          {"Size", Text},
          {"Quantity", Quantity},
          {"Mwst", Text},
          {"OrderPrice", Money},
          {"SalesPrice", Money}}},
        {"Supplier",
         {{"SupplierID", Key},
          {"SupplierName", Text},
          {"Address", Text},
          {"sPlace", Text},
          {"TelephoneNumber", Text},
          {"sEmail", Text}}},
        {"Category", {{"CategoryID", Key}, {"Category", Text}}},
        {"Brands", {{"ID", Key}, {"Brand", Text}, {"Remarks", Text}}},
        {"Customer",
         {{"CustomerID", Key},
          {"Customername", Text},
          {"Address", Text},
          {"Place", Text},
          {"ContactNumber", Text},
          {"accountbalance", Money}}},
        {"UserAccount",
         {{"UserID", Text},
          {"Password", Text},
          {"Name", Text},
          {"Address", Text},
          {"uPlace", Text},
          {"TelNo", Text},
          {"uEMail", Text}}},
        {"Settings",
         {{"cName", Text},
          {"cAddress", Text},
          {"cPlace", Text},
          {"cPhone", Text},
          {"cFax", Text},
          {"cstNr", Text},
          {"custNr", Text},
          {"ceMail", Text},
          {"cHomepage", Text},
          {"cbnText", Text},
          {"deZE", Text},
          {"voIPort", Text}}},
        {"Sales",
         {{"salesid", Key},
          {"Date", Date},
          {"totalsales", Money},
          {"custid", Key},
          {"cashierid", Text},
          {"mwst2", Money},
          {"mwst1", Money}}},
        {"SalesDetails", {{"salesid", Key}, {"productid", Key}, {"quantity", Quantity}, {"salesprice", Money}}},
        {"Temp",
         {{"tmpno", Key},
          {"category", Text},
          {"productid", Key},
          {"Qty", Quantity},
          {"Price", Money},
          {"extprice", Money},
          {"Desc", Text},
          {"advancepayment", Text},
          {"Cashier", Text}}},
        {"Deliveries",
         {{"deliveryno", Key}, {"prodno", Key}, {"quantity", Quantity}, {"orderprice", Money}, {"Date", Date}}},
        {ProductTotalsTable, {{"productid", Key}, {"delivered", Thousandths}, {"sold", Thousandths}}},
        {"Receipt", {{"salesid", Key}, {"Desc", Text}, {"Quantity", Quantity}, {"SalesPrice", Money}, {"Ext", Money}}},
        {"EntireSales",
         {{"ID", Key}, {"Date", Date}, {"Total", Money}, {"CashierID", Text}, {"Mwst1", Money}, {"Mwst2", Money}}},
        {"entiredelivery", {{"ID", Key}, {"Date", Date}, {"Total", Money}}},
        {"ProductInventory",
         {{"Productid", Key},
          {"Category", Text},
          {"Description", Text},
          {"Size", Text},
          {"Qtyorder", Quantity},
          {"Quantity", Quantity},
          {"qtysold", Quantity},
          {"orderPrice", Money},
          {"SalesPrice", Money}}},
        {"Lieferungen",
         {{"CustomerID", Key}, {"CustomerName", Text}, {"Address", Text}, {"ContactNumber", Text}, {"Total", Money}}},
    };
    return types;
}

bool executeAll(Database &database, const auto &statements)
{
    for (const char *statement : statements)
        if (!database.execute(QString::fromUtf8(statement)))
            return false;
    return true;
}

// Applies the steps after `fromVersion` and re-creates every view; part of
// the caller's transaction.
bool bringUpToDate(Database &database, int fromVersion)
{
    for (int step = fromVersion; step < currentVersion(); ++step)
        if (!executeAll(database, UpgradeSteps[step].statements))
            return false;
    const auto views = database.select(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'view'"));
    if (!views)
        return false;
    for (const auto &view : views->values)
        if (!database.execute(QStringLiteral("DROP VIEW %1").arg(quoteName(view.front().toString()))))
            return false;
    return executeAll(database, Views) &&
           database.execute(QStringLiteral("PRAGMA user_version = %1").arg(currentVersion()));
}
} // namespace

int currentVersion()
{
    return static_cast<int>(std::size(UpgradeSteps));
}

bool create(Database &database)
{
    Database::Transaction transaction(database);
    if (!transaction.active() || !executeAll(database, BaseTables) || !bringUpToDate(database, 0))
        return false;
    if (!database.execute(QStringLiteral("INSERT INTO Settings DEFAULT VALUES")) ||
        !database.execute(QStringLiteral("INSERT INTO UserAccount (UserID, Password) VALUES (?1, ?2)"),
                          {QString::fromLatin1(Database::AdministratorId), passwords::hash(QString())}))
        return false;
    return transaction.commit();
}

bool hasShopTables(Database &database)
{
    const QStringList present = database.tableNames();
    for (const char *statement : BaseTables) {
        const QString text = QString::fromUtf8(statement);
        if (!text.startsWith(QLatin1String("CREATE TABLE ")))
            continue;
        const QString name = text.section(u' ', 2, 2);
        if (!present.contains(name, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

std::optional<int> storedVersion(Database &database)
{
    const QVariant version = database.scalar(QStringLiteral("PRAGMA user_version"));
    if (!version.isValid())
        return std::nullopt;
    return static_cast<int>(version.toLongLong());
}

bool upgrade(Database &database)
{
    const auto version = storedVersion(database);
    if (!version)
        return false;
    if (*version >= currentVersion())
        return *version == currentVersion();
    Database::Transaction transaction(database);
    return transaction.active() && bringUpToDate(database, *version) && transaction.commit();
}

std::optional<ColumnType> columnType(const QString &source, const QString &column)
{
    for (const SourceColumns &known : columnTypes()) {
        if (source.compare(QLatin1String(known.source), Qt::CaseInsensitive) != 0)
            continue;
        for (const auto &[name, type] : known.columns)
            if (column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return type;
        return std::nullopt;
    }
    return std::nullopt;
}

QVariant storedQuantity(double quantity)
{
    if (quantity == static_cast<double>(static_cast<qint64>(quantity)))
        return static_cast<qint64>(quantity);
    return quantity;
}

} // namespace schema
