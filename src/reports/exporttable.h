#pragma once

#include <optional>
#include <vector>

#include <QDate>
#include <QString>
#include <QVariant>

class Database;

// One table of the database written as a CSV file for a tax audit: ";"
// between fields, text in double quotes, a decimal comma, dates as
// DD.MM.YYYY, CR LF after each record, UTF-8, a first line of column names.
namespace gdpdu {

enum class ColumnKind { Text, WholeNumber, Quantity, Money, Date };

// Quantities may be fractional; they are written with this many decimals.
inline constexpr int QuantityDecimals = 3;

struct Column
{
    QString name;
    ColumnKind kind = ColumnKind::Text;
    bool primaryKey = false;
};

struct TableFile
{
    QString table;
    QString fileName; // "Products.csv"
    // In the order of the file's fields: the key first.
    std::vector<Column> columns;
    qint64 records = 0;
    // The earliest and latest date found in the table's date columns.
    QDate firstDate;
    QDate lastDate;
};

// The columns of a table as they are exported. Staff passwords stay out of
// the export: they are of no use to an auditor and must not leave the till.
std::optional<TableFile> describeTable(Database &database, const QString &table, QString *error);

// One field as it stands in the file, empty for a missing value. Nothing for
// a value that does not fit the column's kind (text in a number column, a
// fraction in a column of cents, more decimals than a quantity is written
// with): an auditor must never find a field empty or changed that holds a
// value in the till.
std::optional<QString> csvField(ColumnKind kind, const QVariant &value);

// Writes folder/<table>.csv completely or not at all; counts the records and
// notes the date range in *table. False with a German message on failure; a
// value that does not fit its column is named by table, row and column, a
// file that cannot be written by its name, the folder the user chose
// (shownFolder) and the cause.
bool writeTableCsv(Database &database, const QString &folder, TableFile &table, QString *error,
                   const QString &shownFolder);

// "Die Datei „Sales.csv“ konnte nicht in den Ordner „/media/stick“ geschrieben
// werden: Datenträger voll."
QString notWrittenMessage(const QString &fileName, const QString &shownFolder, const QString &reason);

} // namespace gdpdu
