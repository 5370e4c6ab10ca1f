#include "reports/exporttable.h"

#include <algorithm>
#include <limits>

#include <QDir>
#include <QSaveFile>

#include "data/database.h"
#include "data/schema.h"

namespace gdpdu {

namespace {

// Rows are read in slices so that a table of any size costs bounded memory.
constexpr int SliceRows = 2000;

bool isLeftOut(const QString &table, const QString &column)
{
    return table.compare(QStringLiteral("UserAccount"), Qt::CaseInsensitive) == 0 &&
           column.compare(QStringLiteral("Password"), Qt::CaseInsensitive) == 0;
}

ColumnKind kindOf(const QString &column, const QString &declaredType)
{
    const QString type = declaredType.toUpper();
    if (schema::isDateColumn(column))
        return ColumnKind::Date;
    if (type == QLatin1String("INTEGER"))
        return schema::isMoneyColumn(column) ? ColumnKind::Money : ColumnKind::WholeNumber;
    if (type == QLatin1String("NUMERIC"))
        return ColumnKind::Quantity;
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

QString moneyText(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    const int hundredths = static_cast<int>(magnitude % 100);
    QString text = cents < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / 100);
    text += u',';
    text += QChar(u'0' + hundredths / 10);
    text += QChar(u'0' + hundredths % 10);
    return text;
}

bool isNumber(const QVariant &value)
{
    // Numbers as the database stores them need no reading; text in a number
    // column is checked.
    if (value.typeId() == QMetaType::LongLong)
        return true;
    if (value.typeId() == QMetaType::Double && qIsFinite(value.toDouble()))
        return true;
    bool ok = false;
    value.toString().toDouble(&ok);
    return ok;
}

// "yyyy-MM-dd" as stored; anything else is no date.
QDate storedDate(const QVariant &value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

// "dd.MM.yyyy", written by hand: a million sales' dates through a format
// pattern would cost more than the rest of their rows.
QString dateField(const QDate &date)
{
    if (!date.isValid())
        return {};
    if (date.year() < 1000 || date.year() > 9999)
        return date.toString(QStringLiteral("dd.MM.yyyy"));
    const QChar text[] = {QChar(u'0' + date.day() / 10),   QChar(u'0' + date.day() % 10),   QChar(u'.'),
                          QChar(u'0' + date.month() / 10), QChar(u'0' + date.month() % 10), QChar(u'.')};
    return QString(text, 6) + QString::number(date.year());
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
    const int typeAt = static_cast<int>(info->columns.indexOf(QStringLiteral("type")));
    const QStringList keys = keyColumns(database, table);

    TableFile file{table, table + QStringLiteral(".csv"), {}, 0, {}, {}};
    for (const auto &row : info->values) {
        const QString name = row[nameAt].toString();
        if (!isLeftOut(table, name))
            file.columns.push_back({name, kindOf(name, row[typeAt].toString()), keys.contains(name)});
    }
    // The description lists the keys before the other columns; the file
    // follows it.
    std::stable_partition(file.columns.begin(), file.columns.end(), [](const Column &c) { return c.primaryKey; });
    return file;
}

QString csvField(ColumnKind kind, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (kind) {
    case ColumnKind::Text:
        return quotedText(value.toString());
    case ColumnKind::Date:
        return dateField(storedDate(value));
    case ColumnKind::WholeNumber:
        return isNumber(value) ? QString::number(value.toLongLong()) : QString();
    case ColumnKind::Money:
        return isNumber(value) ? moneyText(value.toLongLong()) : QString();
    case ColumnKind::Quantity:
        return isNumber(value) ? decimalComma(QString::number(value.toDouble(), 'f', QuantityDecimals)) : QString();
    }
    return {};
}

namespace {
// One field of a row into the file's bytes. Values stored as the column's
// kind has them are written straight from the database's bytes; anything
// else goes through csvField, as every value once did.
void appendField(QByteArray &out, TableFile &table, int index, const Database::RowView &row)
{
    const ColumnKind kind = table.columns[static_cast<std::size_t>(index)].kind;
    switch (kind) {
    case ColumnKind::Text:
        if (row.isText(index)) {
            const QByteArrayView text = row.utf8(index);
            out += '"';
            if (text.contains('"'))
                out += text.toByteArray().replace('"', "\"\"");
            else
                out += text;
            out += '"';
            return;
        }
        break;
    case ColumnKind::WholeNumber:
        if (row.isInteger(index)) {
            out += QByteArray::number(row.integer(index));
            return;
        }
        break;
    case ColumnKind::Money:
        if (row.isInteger(index)) {
            out += moneyText(row.integer(index)).toLatin1();
            return;
        }
        break;
    case ColumnKind::Quantity:
        if (row.isInteger(index) || (row.isReal(index) && qIsFinite(row.real(index)))) {
            const double quantity = row.isInteger(index) ? static_cast<double>(row.integer(index)) : row.real(index);
            out += QByteArray::number(quantity, 'f', QuantityDecimals).replace('.', ',');
            return;
        }
        break;
    case ColumnKind::Date: {
        const QVariant value = row.value(index);
        if (value.isNull())
            return;
        // The date is read once, for the field and for the period.
        const QDate date = storedDate(value);
        out += dateField(date).toLatin1();
        if (date.isValid() && (!table.firstDate.isValid() || date < table.firstDate))
            table.firstDate = date;
        if (date.isValid() && (!table.lastDate.isValid() || date > table.lastDate))
            table.lastDate = date;
        return;
    }
    }
    out += csvField(kind, row.value(index)).toUtf8();
}
} // namespace

bool writeTableCsv(Database &database, const QString &folder, TableFile &table, QString *error)
{
    const QString path = QDir(folder).filePath(table.fileName);
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Die Datei „%1“ konnte nicht angelegt werden.").arg(path));

    QStringList names;
    QStringList selected;
    for (const Column &column : table.columns) {
        names << column.name;
        selected << quoteName(column.name);
    }
    file.write((names.join(u';') + QStringLiteral("\r\n")).toUtf8());

    // The rows are read one by one as they are written, the file in slices:
    // a table of millions of rows costs no more memory than a few thousand.
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                            .arg(selected.join(QStringLiteral(", ")), quoteName(table.table));
    table.records = 0;
    QByteArray chunk;
    bool written = true;
    const bool read = database.forEachRow(sql, {}, [&](const Database::RowView &row) {
        for (int i = 0; i < static_cast<int>(table.columns.size()); ++i) {
            if (i > 0)
                chunk += ';';
            appendField(chunk, table, i, row);
        }
        chunk += "\r\n";
        if (++table.records % SliceRows == 0) {
            written = file.write(chunk) == chunk.size();
            chunk.clear();
        }
        return written;
    });
    if (written && !chunk.isEmpty())
        written = file.write(chunk) == chunk.size();
    if (!written)
        return fail(QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(path));
    if (!read)
        return fail(
            QStringLiteral("Die Tabelle „%1“ konnte nicht gelesen werden: %2").arg(table.table, database.lastError()));
    if (!file.commit())
        return fail(QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(path));
    return true;
}

} // namespace gdpdu
