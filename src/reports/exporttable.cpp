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

QString dateField(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
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
    QStringList selected{QStringLiteral("rowid")};
    for (const Column &column : table.columns) {
        names << column.name;
        selected << quoteName(column.name);
    }
    const QString crlf = QStringLiteral("\r\n");
    file.write((names.join(u';') + crlf).toUtf8());

    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid > ?1 ORDER BY rowid LIMIT %3")
                            .arg(selected.join(QStringLiteral(", ")), quoteName(table.table))
                            .arg(SliceRows);
    table.records = 0;
    qint64 lastRowId = std::numeric_limits<qint64>::min();
    for (;;) {
        const auto slice = database.select(sql, {lastRowId});
        if (!slice)
            return fail(QStringLiteral("Die Tabelle „%1“ konnte nicht gelesen werden: %2")
                            .arg(table.table, database.lastError()));
        QString chunk;
        for (const auto &row : slice->values) {
            lastRowId = row[0].toLongLong();
            for (size_t i = 0; i < table.columns.size(); ++i) {
                const Column &column = table.columns[i];
                const QVariant &value = row[i + 1];
                if (i > 0)
                    chunk += u';';
                if (column.kind != ColumnKind::Date || value.isNull()) {
                    chunk += csvField(column.kind, value);
                    continue;
                }
                // The date is read once, for the field and for the period.
                const QDate date = storedDate(value);
                chunk += dateField(date);
                if (date.isValid() && (!table.firstDate.isValid() || date < table.firstDate))
                    table.firstDate = date;
                if (date.isValid() && (!table.lastDate.isValid() || date > table.lastDate))
                    table.lastDate = date;
            }
            chunk += crlf;
        }
        table.records += static_cast<qint64>(slice->values.size());
        const QByteArray bytes = chunk.toUtf8();
        if (file.write(bytes) != bytes.size())
            return fail(QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(path));
        if (static_cast<int>(slice->values.size()) < SliceRows)
            break;
    }
    if (!file.commit())
        return fail(QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(path));
    return true;
}

} // namespace gdpdu
