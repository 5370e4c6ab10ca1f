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

// What a column holds, which decides how it reads as text, how typed text is
// read into it and how the tax-audit export writes it.
enum class ColumnType {
    Key,      // a whole number naming a row, of its own table or of another
    Money,    // whole cents
    Quantity, // a count, fractional for weighed goods
    // A quantity in whole thousandths: the stock list's running sums, which
    // must add up exactly, however many weighed lines there are.
    Thousandths,
    Date, // "yyyy-MM-dd" text
    Text,
};

// What a column of a table or record source holds, as the schema lists it
// (names without regard to letter case). Nothing for a column the schema does
// not list: it is not the shop's, and is best shown as stored.
std::optional<ColumnType> columnType(const QString &source, const QString &column);

// A quantity as the database keeps it: a whole number as an integer, so that
// "2" typed and 2 stored compare equal; a fraction (weighed goods) as it is.
QVariant storedQuantity(double quantity);

} // namespace schema
