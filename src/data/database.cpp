#include "data/database.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QFile>
#include <QHash>

#include "data/producttotals.h"
#include "data/schema.h"

namespace {
// The database password: every copy of the shop's database carries it.
constexpr auto DatabasePassword = "k4wr88zmqdelrunp31";

Database *g_current = nullptr;

QString sqliteMessage(sqlite3 *handle)
{
    return QString::fromUtf8(sqlite3_errmsg(handle));
}

// Why the database refused a statement, in words the shop's staff read in the
// messages of the screens. A refusal raised on purpose (a trigger's own text)
// and anything unforeseen keep the database's own words.
QString reasonOf(sqlite3 *handle)
{
    // The database names the column at fault last: "...failed: Customer.CustomerID".
    const QString message = sqliteMessage(handle);
    const QString column = message.section(u'.', -1).trimmed();
    switch (sqlite3_extended_errcode(handle)) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
        return QStringLiteral("„%1“ ist bereits vergeben").arg(column);
    case SQLITE_CONSTRAINT_NOTNULL:
        return QStringLiteral("„%1“ fehlt").arg(column);
    case SQLITE_CONSTRAINT_CHECK:
        return QStringLiteral("eine Nummer ist leer oder keine ganze Zahl");
    default:
        break;
    }
    switch (sqlite3_errcode(handle)) {
    case SQLITE_FULL:
        return QStringLiteral("der Datenträger ist voll");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return QStringLiteral("die Datenbank darf nicht beschrieben werden");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("die Datenbank ist gerade gesperrt");
    case SQLITE_IOERR:
        return QStringLiteral("die Datei kann nicht gelesen oder geschrieben werden");
    default:
        return message;
    }
}

bool bindAll(sqlite3_stmt *statement, const std::vector<QVariant> &params)
{
    int index = 1;
    for (const QVariant &value : params) {
        int rc = SQLITE_OK;
        if (!value.isValid() || value.isNull()) {
            rc = sqlite3_bind_null(statement, index);
        } else {
            switch (value.typeId()) {
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(statement, index, value.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(statement, index, value.toDouble());
                break;
            case QMetaType::QDate:
                rc = sqlite3_bind_text(statement, index, value.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                       SQLITE_TRANSIENT);
                break;
            default:
                rc = sqlite3_bind_text(statement, index, value.toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
            }
        }
        if (rc != SQLITE_OK)
            return false;
        ++index;
    }
    return true;
}

// The texts of one column that repeat from row to row (categories, brands,
// sizes, tax rates) are held once and shared by the rows: a shop's many
// thousand products then need a fraction of the memory. A column with many
// different texts (names, descriptions) is not kept after the first few.
class RepeatedTexts
{
public:
    QString text(const char *utf8, int bytes)
    {
        if (m_texts.size() >= Limit || bytes > 32)
            return QString::fromUtf8(utf8, bytes);
        const QByteArray key = QByteArray::fromRawData(utf8, bytes);
        const auto known = m_texts.constFind(key);
        if (known != m_texts.constEnd())
            return known.value();
        const QString text = QString::fromUtf8(utf8, bytes);
        m_texts.insert(QByteArray(utf8, bytes), text);
        return text;
    }

private:
    static constexpr qsizetype Limit = 256;
    QHash<QByteArray, QString> m_texts;
};

QVariant columnValue(sqlite3_stmt *statement, int column, RepeatedTexts &texts)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qint64>(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(texts.text(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                                   sqlite3_column_bytes(statement, column)));
    }
}

// Opens a file with the password; the caller learns whether it is readable.
sqlite3 *openKeyed(const QString &path, int flags, QString *error)
{
    sqlite3 *handle = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr) != SQLITE_OK) {
        if (error)
            *error =
                QStringLiteral("Die Datenbank „%1“ kann nicht geöffnet werden: %2").arg(path, sqliteMessage(handle));
        sqlite3_close(handle);
        return nullptr;
    }
    const QByteArray keyStatement = QByteArray("PRAGMA key = '") + DatabasePassword + "';";
    sqlite3_exec(handle, keyStatement.constData(), nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(handle, 5000);
    return handle;
}
} // namespace

QString quoteName(const QString &name)
{
    QString escaped = name;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

Database::Database(sqlite3 *handle, QString path) : m_handle(handle), m_path(std::move(path)) {}

Database::~Database()
{
    if (g_current == this)
        g_current = nullptr;
    sqlite3_close(m_handle);
}

Database *Database::current()
{
    return g_current;
}
void Database::setCurrent(Database *database)
{
    g_current = database;
}

std::unique_ptr<Database> Database::openOrCreate(const QString &path, QString *error)
{
    if (!QFile::exists(path) && !createFile(path, error))
        return nullptr;
    sqlite3 *handle = openKeyed(path, SQLITE_OPEN_READWRITE, error);
    if (!handle)
        return nullptr;
    std::unique_ptr<Database> database(new Database(handle, path));
    // A wrong password shows only at the first read.
    if (!database->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")).isValid()) {
        if (error)
            *error = QStringLiteral("Die Datenbank „%1“ kann nicht gelesen werden: falsches Kennwort oder keine "
                                    "Datenbank dieses Programms.")
                         .arg(path);
        return nullptr;
    }
    if (!database->addShopScaleSupport()) {
        if (error)
            *error = QStringLiteral("Die Datenbank „%1“ kann nicht aktualisiert werden: %2")
                         .arg(path, database->lastError());
        return nullptr;
    }
    return database;
}

bool Database::addShopScaleSupport()
{
    // Cheap when everything is there already: only the checks run.
    if (scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN (?1, 'ProductsArtNr',"
                              " 'ProductsCategory')"),
               {QString::fromLatin1(producttotals::TableName)})
            .toLongLong() == 3)
        return true;
    Transaction transaction(*this);
    return transaction.active() && schema::addShopScaleSupport(*this) && transaction.commit();
}

bool Database::createFile(const QString &path, QString *error)
{
    if (QFile::exists(path)) {
        if (error)
            *error = QStringLiteral("Die Datei „%1“ besteht bereits.").arg(path);
        return false;
    }
    sqlite3 *handle = openKeyed(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    if (!handle)
        return false;
    Database database(handle, path);
    if (!schema::create(database)) {
        if (error)
            *error =
                QStringLiteral("Die Datenbank „%1“ kann nicht angelegt werden: %2").arg(path, database.lastError());
        sqlite3_close(handle);
        database.m_handle = nullptr;
        QFile::remove(path);
        return false;
    }
    return true;
}

bool Database::fail(const QString &what)
{
    m_lastError = QStringLiteral("%1 (%2)").arg(what, reasonOf(m_handle));
    return false;
}

bool Database::execute(const QString &sql, const std::vector<QVariant> &params)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_handle, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        return fail(QStringLiteral("Die Datenbank hat die Anweisung abgelehnt"));
    bool ok = bindAll(statement, params);
    int rc = SQLITE_DONE;
    while (ok && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    ok = ok && rc == SQLITE_DONE;
    if (!ok) {
        fail(QStringLiteral("Die Daten konnten nicht gespeichert werden"));
        sqlite3_finalize(statement);
        return false;
    }
    sqlite3_finalize(statement);
    m_lastError.clear();
    return true;
}

std::optional<Database::Rows> Database::select(const QString &sql, const std::vector<QVariant> &params)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_handle, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        fail(QStringLiteral("Die Daten konnten nicht gelesen werden"));
        return std::nullopt;
    }
    if (!bindAll(statement, params)) {
        fail(QStringLiteral("Die Daten konnten nicht gelesen werden"));
        sqlite3_finalize(statement);
        return std::nullopt;
    }
    Rows rows;
    const int columnCount = sqlite3_column_count(statement);
    for (int c = 0; c < columnCount; ++c) {
        rows.columns << QString::fromUtf8(sqlite3_column_name(statement, c));
        rows.declaredTypes << QString::fromUtf8(sqlite3_column_decltype(statement, c));
    }
    std::vector<RepeatedTexts> repeated(static_cast<std::size_t>(columnCount));
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        std::vector<QVariant> row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c)
            row.push_back(columnValue(statement, c, repeated[c]));
        rows.values.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        fail(QStringLiteral("Die Daten konnten nicht gelesen werden"));
        sqlite3_finalize(statement);
        return std::nullopt;
    }
    sqlite3_finalize(statement);
    m_lastError.clear();
    return rows;
}

QVariant Database::scalar(const QString &sql, const std::vector<QVariant> &params)
{
    const auto rows = select(sql, params);
    if (!rows || rows->values.empty() || rows->values.front().empty())
        return {};
    return rows->values.front().front();
}

qint64 Database::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_handle);
}

qint64 Database::nextKey(const QString &table, const QString &keyColumn)
{
    const QVariant highest =
        scalar(QStringLiteral("SELECT max(%1) FROM %2").arg(quoteName(keyColumn), quoteName(table)));
    return highest.isNull() ? 1 : highest.toLongLong() + 1;
}

QStringList Database::tableNames()
{
    QStringList names;
    if (const auto rows =
            select(QStringLiteral(
                       "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' AND name <> ?1"
                       " ORDER BY rowid"),
                   {QString::fromLatin1(producttotals::TableName)}))
        for (const auto &row : rows->values)
            names << row.front().toString();
    return names;
}

Database::Transaction::Transaction(Database &database) : m_database(database)
{
    m_active = m_database.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Database::Transaction::~Transaction()
{
    if (m_active) {
        const QString error = m_database.m_lastError;
        m_database.execute(QStringLiteral("ROLLBACK"));
        // The caller reports why the transaction failed, not the rollback.
        m_database.m_lastError = error;
    }
}

bool Database::Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (m_database.execute(QStringLiteral("COMMIT")))
        return true;
    const QString error = m_database.m_lastError;
    m_database.execute(QStringLiteral("ROLLBACK"));
    m_database.m_lastError = error;
    return false;
}
