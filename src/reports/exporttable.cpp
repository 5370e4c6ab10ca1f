#include "reports/exporttable.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QDir>
#include <QLocale>

#include "data/database.h"
#include "data/schema.h"
#include "platform/completefile.h"
#include "platform/locale.h"

namespace gdpdu {

namespace {

// Rows are read in slices so that a table of any size costs bounded memory.
constexpr int SliceRows = 2000;

bool isLeftOut(const QString &table, const QString &column)
{
    return table.compare(QStringLiteral("UserAccount"), Qt::CaseInsensitive) == 0 &&
           column.compare(QStringLiteral("Password"), Qt::CaseInsensitive) == 0;
}

// A column the schema does not list is written as the text it reads as:
// nothing is lost, and nothing is claimed about it.
ColumnKind kindOf(const QString &table, const QString &column)
{
    switch (schema::columnType(table, column).value_or(schema::ColumnType::Text)) {
    case schema::ColumnType::Key:
    case schema::ColumnType::Thousandths:
        return ColumnKind::WholeNumber;
    case schema::ColumnType::Money:
        return ColumnKind::Money;
    case schema::ColumnType::Quantity:
        return ColumnKind::Quantity;
    case schema::ColumnType::Date:
        return ColumnKind::Date;
    case schema::ColumnType::Text:
        break;
    }
    return ColumnKind::Text;
}

// The columns that alone identify a row: those with a unique index of their own.
QStringList keyColumns(Database &database, const QString &table)
{
    QStringList keys;
    const auto indexes = database.select(QStringLiteral("PRAGMA index_list(%1)").arg(quoteName(table)));
    if (!indexes)
        return keys;
    const int nameAt = static_cast<int>(indexes->columns.indexOf(QStringLiteral("name")));
    const int uniqueAt = static_cast<int>(indexes->columns.indexOf(QStringLiteral("unique")));
    for (const auto &index : indexes->values) {
        if (index[uniqueAt].toInt() != 1)
            continue;
        const auto parts =
            database.select(QStringLiteral("PRAGMA index_info(%1)").arg(quoteName(index[nameAt].toString())));
        if (parts && parts->values.size() == 1)
            keys << parts->values.front()[static_cast<int>(parts->columns.indexOf(QStringLiteral("name")))].toString();
    }
    return keys;
}

QString quotedText(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString decimalComma(const QString &number)
{
    QString text = number;
    text.replace(u'.', u',');
    return text;
}

// A stored date ("yyyy-MM-dd" text) as the file writes it, "dd.MM.yyyy", and
// the date itself for the period the export covers; nothing for anything
// else. Written by hand: a million sales' dates through a format pattern
// would cost more than the rest of their rows.
std::optional<QString> dateField(const QVariant &value, QDate *date)
{
    *date = QDate::fromString(value.toString(), Qt::ISODate);
    if (value.typeId() != QMetaType::QString || !date->isValid())
        return std::nullopt;
    if (date->year() < 1000 || date->year() > 9999)
        return date->toString(QStringLiteral("dd.MM.yyyy"));
    const QChar digits[] = {QChar(u'0' + date->day() / 10),   QChar(u'0' + date->day() % 10),   QChar(u'.'),
                            QChar(u'0' + date->month() / 10), QChar(u'0' + date->month() % 10), QChar(u'.')};
    return QString(digits, 6) + QString::number(date->year());
}

// Whole numbers come from the database as integers; text or a fraction in an
// integer column is a value the column's type does not describe.
bool isWholeNumber(const QVariant &value)
{
    return value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int;
}

// A quantity fits when writing it with the file's decimals changes nothing.
std::optional<QString> quantityText(const QVariant &value)
{
    if (isWholeNumber(value))
        return QString::number(value.toLongLong()) + u',' + QString(QuantityDecimals, u'0');
    if (value.typeId() != QMetaType::Double)
        return std::nullopt;
    const double scaled = value.toDouble() * std::pow(10.0, QuantityDecimals);
    if (!std::isfinite(scaled) || std::abs(scaled - std::round(scaled)) > 1e-6)
        return std::nullopt;
    return decimalComma(QString::number(value.toDouble(), 'f', QuantityDecimals));
}

QString expectedKind(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::WholeNumber:
        return QStringLiteral("keine ganze Zahl");
    case ColumnKind::Money:
        return QStringLiteral("kein Betrag in ganzen Cent");
    case ColumnKind::Quantity:
        return QStringLiteral("keine Menge mit höchstens %1 Nachkommastellen").arg(QuantityDecimals);
    case ColumnKind::Date:
        return QStringLiteral("kein Datum");
    case ColumnKind::Text:
        break;
    }
    return QStringLiteral("kein Text");
}

// A refused value as the shop would type it, never in exponent notation.
QString shownValue(const QVariant &value)
{
    if (value.typeId() == QMetaType::Double)
        return decimalComma(QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest));
    return value.toString();
}

// The row by its key, so that the shop can find it; a table without a key by
// the database's own row number. row[0] is that number, the columns follow.
QString rowName(const TableFile &table, const std::vector<QVariant> &row)
{
    for (size_t i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].primaryKey)
            return QStringLiteral("Datensatz mit %1 %2").arg(table.columns[i].name, row[i + 1].toString());
    return QStringLiteral("Datensatz Nr. %1").arg(row[0].toLongLong());
}

} // namespace

std::optional<TableFile> describeTable(Database &database, const QString &table, QString *error)
{
    const auto info = database.select(QStringLiteral("PRAGMA table_info(%1)").arg(quoteName(table)));
    if (!info || info->values.empty()) {
        if (error)
            *error = QStringLiteral("Die Tabelle „%1“ konnte nicht gelesen werden.").arg(table);
        return std::nullopt;
    }
    const int nameAt = static_cast<int>(info->columns.indexOf(QStringLiteral("name")));
    const QStringList keys = keyColumns(database, table);

    TableFile file{table, table + QStringLiteral(".csv"), {}, 0, {}, {}};
    for (const auto &row : info->values) {
        const QString name = row[nameAt].toString();
        if (!isLeftOut(table, name))
            file.columns.push_back({name, kindOf(table, name), keys.contains(name)});
    }
    // The description lists the keys before the other columns; the file
    // follows it.
    std::stable_partition(file.columns.begin(), file.columns.end(), [](const Column &c) { return c.primaryKey; });
    return file;
}

std::optional<QString> csvField(ColumnKind kind, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (kind) {
    case ColumnKind::Text:
        return quotedText(value.toString());
    case ColumnKind::Date: {
        QDate date;
        return dateField(value, &date);
    }
    case ColumnKind::WholeNumber:
        return isWholeNumber(value) ? std::optional(QString::number(value.toLongLong())) : std::nullopt;
    case ColumnKind::Money:
        return isWholeNumber(value) ? std::optional(de::formatFixed2(Money::fromCents(value.toLongLong())))
                                    : std::nullopt;
    case ColumnKind::Quantity:
        return quantityText(value);
    }
    return std::nullopt;
}

bool writeTableCsv(Database &database, const QString &folder, TableFile &table, QString *error,
                   const QString &shownFolder)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    CompleteFile file(QDir(folder).filePath(table.fileName));
    auto notWritten = [&] { return fail(notWrittenMessage(table.fileName, shownFolder, file.failure())); };
    if (!file.open())
        return notWritten();

    QStringList names;
    QStringList selected{QStringLiteral("rowid")};
    for (const Column &column : table.columns) {
        names << column.name;
        selected << quoteName(column.name);
    }
    const QString crlf = QStringLiteral("\r\n");
    if (!file.write((names.join(u';') + crlf).toUtf8()))
        return notWritten();

    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid > ?1 ORDER BY rowid LIMIT ?2")
                            .arg(selected.join(QStringLiteral(", ")), quoteName(table.table));
    table.records = 0;
    qint64 lastRowId = std::numeric_limits<qint64>::min();
    for (;;) {
        const auto slice = database.select(sql, {lastRowId, SliceRows});
        if (!slice)
            return fail(QStringLiteral("Die Tabelle „%1“ konnte nicht gelesen werden: %2")
                            .arg(table.table, database.lastError()));
        // The slice is put together as text and turned into bytes once.
        QString chunk;
        for (const auto &row : slice->values) {
            lastRowId = row[0].toLongLong();
            bool firstField = true;
            for (size_t i = 0; i < table.columns.size(); ++i) {
                const Column &column = table.columns[i];
                const QVariant &value = row[i + 1];
                // A date is read once, for the field and for the period.
                QDate date;
                const std::optional<QString> field = column.kind == ColumnKind::Date && !value.isNull()
                                                         ? dateField(value, &date)
                                                         : csvField(column.kind, value);
                if (!field)
                    return fail(QStringLiteral("Tabelle „%1“, %2, Spalte „%3“: „%4“ ist %5.")
                                    .arg(table.table, rowName(table, row), column.name, shownValue(value),
                                         expectedKind(column.kind)));
                if (!firstField)
                    chunk += u';';
                firstField = false;
                chunk += *field;
                if (column.kind == ColumnKind::Date) {
                    if (date.isValid() && (!table.firstDate.isValid() || date < table.firstDate))
                        table.firstDate = date;
                    if (date.isValid() && (!table.lastDate.isValid() || date > table.lastDate))
                        table.lastDate = date;
                }
            }
            chunk += crlf;
        }
        table.records += static_cast<qint64>(slice->values.size());
        if (!file.write(chunk.toUtf8()))
            return notWritten();
        if (static_cast<int>(slice->values.size()) < SliceRows)
            break;
    }
    if (!file.commit())
        return notWritten();
    return true;
}

QString notWrittenMessage(const QString &fileName, const QString &shownFolder, const QString &reason)
{
    return QStringLiteral("Die Datei „%1“ konnte nicht in den Ordner „%2“ geschrieben werden: %3.")
        .arg(fileName, QDir::toNativeSeparators(shownFolder), reason);
}

} // namespace gdpdu
