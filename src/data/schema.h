#pragma once

#include <optional>

#include <QString>
#include <QVariant>

class Database;

namespace schema {

// Creates every table, the five read-only record sources (as views), the
// empty settings row and the administrator account (empty password) in a new
// database, at the current schema version. One transaction: a half-created
// database is never left behind.
bool create(Database &database);

// The schema version this program writes (PRAGMA user_version); it grows by
// one with every upgrade step in schema.cpp.
int currentVersion();

// Whether every table of the shop is there: an empty file or another
// program's database lacks them.
bool hasShopTables(Database &database);

// The version stored in the file; nothing when it cannot be read.
std::optional<int> storedVersion(Database &database);

// Brings a database written by an older program up to date in one
// transaction: the upgrade steps it lacks, then every view re-created from
// today's statements. True when the database is current afterwards; false,
// with nothing changed, when the database refuses or is newer than this
// program.
bool upgrade(Database &database);

// The running totals of the stock list: bookkeeping kept by triggers, not
// one of the shop's own tables.
inline constexpr auto ProductTotalsTable = "ProductTotals";

// Columns that hold money, in whole cents, in every table and record source.
bool isMoneyColumn(const QString &column);

// A quantity as the database keeps it: a whole number as an integer, so that
// "2" typed and 2 stored compare equal; a fraction (weighed goods) as it is.
QVariant storedQuantity(double quantity);

// Columns that hold a calendar date ("yyyy-MM-dd").
bool isDateColumn(const QString &column);

} // namespace schema
