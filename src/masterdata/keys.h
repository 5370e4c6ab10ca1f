#pragma once

#include <optional>

#include <QString>

class Recordset;

// The key column of a master-data table. Keys are whole numbers above 0 that
// no two rows share; the database refuses anything else, but the editors
// check first, so that the user learns why in plain words.
struct KeyColumn
{
    QString table;
    QString column;
};

// The key for a new row: one more than the highest in use, so that a removed
// row never makes a key come round again. Nothing, with a German message in
// *error, when the table cannot be read.
std::optional<qint64> proposeKey(const KeyColumn &key, QString *error);

// A typed key as the database keeps it; nothing for empty text, blanks inside,
// letters, 0 or negative numbers.
std::optional<qint64> parseKey(const QString &typed);

// Whether a row of the table other than the one with the given database row
// number holds this key; nothing, with a German message in *error, when the
// table cannot be read.
std::optional<bool> keyInUse(const KeyColumn &key, qint64 value, QString *error, qint64 exceptRowId = -1);

// Stores the current row of `rows` (new or edited) when its key is a valid
// number that no other row holds. Otherwise, or when the database refuses the
// row, nothing is stored, the row keeps what was typed and `error` says why
// in German. A row without changes needs no storing and counts as stored.
bool storeKeyedRow(Recordset &rows, const KeyColumn &key, QString *error);

// Why a row was not stored, closed by the one sentence that says so: a reason
// from the database (another program holding it) may say it already.
QString nothingStored(const QString &why);
