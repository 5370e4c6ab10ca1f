#include "masterdata/keys.h"

#include "data/database.h"
#include "data/recordset.h"

namespace {
// Nothing read: why, for the user.
void explainFailedRead(const Database *database, QString *error)
{
    if (error)
        *error = database ? database->lastError() : QStringLiteral("Keine Datenbank geöffnet.");
}
} // namespace

std::optional<qint64> proposeKey(const KeyColumn &key, QString *error)
{
    Database *database = Database::current();
    const auto next = database ? database->nextKey(key.table, key.column) : std::nullopt;
    if (!next)
        explainFailedRead(database, error);
    return next;
}

std::optional<qint64> parseKey(const QString &typed)
{
    const QString text = typed.trimmed();
    for (const QChar c : text)
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value <= 0)
        return std::nullopt;
    return value;
}

std::optional<bool> keyInUse(const KeyColumn &key, qint64 value, QString *error, qint64 exceptRowId)
{
    Database *database = Database::current();
    const QVariant holders =
        database ? database->scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?1 AND rowid <> ?2")
                                        .arg(quoteName(key.table), quoteName(key.column)),
                                    {value, exceptRowId})
                 : QVariant();
    if (!holders.isValid()) {
        explainFailedRead(database, error);
        return std::nullopt;
    }
    return holders.toLongLong() > 0;
}

bool storeKeyedRow(Recordset &rows, const KeyColumn &key, QString *error)
{
    const auto refuse = [error](const QString &why) {
        if (error)
            *error = nothingStored(why);
        return false;
    };
    if (rows.eof() || rows.bof())
        return refuse(QStringLiteral("Es ist kein Datensatz ausgewählt."));
    if (!rows.isDirty())
        return true;

    const QString typed = rows.value(key.column).toString();
    if (typed.trimmed().isEmpty())
        return refuse(QStringLiteral("Bitte eine ID angeben."));
    const auto value = parseKey(typed);
    if (!value)
        return refuse(
            QStringLiteral("„%1“ ist keine gültige ID: bitte eine ganze Zahl größer als 0 angeben.").arg(typed));
    QString why;
    const auto taken = keyInUse(key, *value, &why, rows.rowId());
    if (!taken)
        return refuse(why);
    if (*taken)
        return refuse(QStringLiteral("Die ID %1 ist bereits vergeben.").arg(*value));

    // The screen's own rule speaks for itself: the database has not seen the row.
    if (const QString rule = rows.rowRefusal(); !rule.isEmpty())
        return refuse(rule);
    // The database keeps keys as numbers; typed text such as " 7" would be
    // refused by it.
    rows.setValue(key.column, *value);
    if (!rows.update())
        return refuse(QStringLiteral("Die Datenbank hat den Datensatz abgelehnt: %1").arg(rows.lastError()));
    return true;
}

QString nothingStored(const QString &why)
{
    const QString sentence = QStringLiteral("Es wurde nichts gespeichert.");
    QString text = why.trimmed();
    if (text.endsWith(sentence))
        return text;
    if (!text.isEmpty() && !text.endsWith(u'.') && !text.endsWith(u'!') && !text.endsWith(u'?'))
        text += u'.';
    return text.isEmpty() ? sentence : text + u' ' + sentence;
}
