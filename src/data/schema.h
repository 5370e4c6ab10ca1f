#pragma once

#include <QString>
#include <QVariant>

class Database;

namespace schema {

// Creates every table, the five read-only record sources (as views), the
// empty settings row and the administrator account (empty password) in a new
// database. One transaction: a half-created database is never left behind.
bool create(Database &database);

// Adds what a shop of 10^5 products and 10^6 sales needs to a database that
// lacks it: the look-up indexes and the running totals of the stock list
// (producttotals.h). Runs inside the caller's transaction.
bool addShopScaleSupport(Database &database);

// Columns that hold money, in whole cents, in every table and record source.
bool isMoneyColumn(const QString &column);

// A quantity as the database keeps it: a whole number as an integer, so that
// "2" typed and 2 stored compare equal; a fraction (weighed goods) as it is.
QVariant storedQuantity(double quantity);

// Columns that hold a calendar date ("yyyy-MM-dd").
bool isDateColumn(const QString &column);

} // namespace schema
