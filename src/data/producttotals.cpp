#include "data/producttotals.h"

#include "data/database.h"

namespace producttotals {

namespace {
// A running sum of one quantity column per product: the zero row first
// (this SQLite has no upsert), then the change. A row without a product
// counts for none, as it matches no product in a sum either.
#define ADD(table, product, quantity, total, row, sign)                                                                \
    "INSERT OR IGNORE INTO ProductTotals (productid) SELECT " row "." product " WHERE " row "." product                \
    " IS NOT NULL; UPDATE ProductTotals SET " total " = " total " " sign " coalesce(" row "." quantity ", 0)"          \
    " WHERE productid = " row "." product ";"

#define KEEP_TOTAL(table, product, quantity, total)                                                                    \
    "CREATE TRIGGER " table "AddsTo" total " AFTER INSERT ON " table                                                   \
    " BEGIN " ADD(table, product, quantity, total, "NEW", "+") " END",                                                 \
        "CREATE TRIGGER " table "TakesFrom" total " AFTER DELETE ON " table                                            \
        " BEGIN " ADD(table, product, quantity, total, "OLD", "-") " END",                                             \
        "CREATE TRIGGER " table "Changes" total " AFTER UPDATE OF " product ", " quantity " ON " table " BEGIN " ADD(  \
            table, product, quantity, total, "OLD", "-") " " ADD(table, product, quantity, total, "NEW", "+") " END"

const char *const Statements[] = {
    "CREATE TABLE ProductTotals (productid INTEGER NOT NULL UNIQUE, delivered NUMERIC NOT NULL DEFAULT 0,"
    " sold NUMERIC NOT NULL DEFAULT 0)",
    KEEP_TOTAL("Deliveries", "prodno", "quantity", "delivered"),
    KEEP_TOTAL("SalesDetails", "productid", "quantity", "sold"),
    "INSERT INTO ProductTotals (productid, delivered, sold)"
    " SELECT productid, sum(delivered), sum(sold) FROM ("
    "  SELECT prodno AS productid, coalesce(quantity, 0) AS delivered, 0 AS sold FROM Deliveries"
    "  WHERE prodno IS NOT NULL"
    "  UNION ALL SELECT productid, 0, coalesce(quantity, 0) FROM SalesDetails WHERE productid IS NOT NULL)"
    " GROUP BY productid",
    "DROP VIEW IF EXISTS ProductInventory",
    // The stock list: every product with what was delivered and what was sold.
    "CREATE VIEW ProductInventory AS SELECT p.ProductID AS Productid, p.Category AS Category,"
    " p.Description AS Description, p.Size AS Size, coalesce(t.delivered, 0) AS Qtyorder,"
    " p.Quantity AS Quantity, coalesce(t.sold, 0) AS qtysold, p.OrderPrice AS orderPrice,"
    " p.SalesPrice AS SalesPrice FROM Products p LEFT JOIN ProductTotals t ON t.productid = p.ProductID"
    " ORDER BY p.ProductID",
};
#undef KEEP_TOTAL
#undef ADD
} // namespace

bool install(Database &database)
{
    for (const char *statement : Statements)
        if (!database.execute(QString::fromUtf8(statement)))
            return false;
    return true;
}

} // namespace producttotals
