#include "data/database.h"

#include <sqlcipher/sqlite3.h>

#include <limits>

#include <QDate>
#include <QFile>
#include <QHash>

namespace {
// The database password: every copy of the shop's database carries it.
constexpr auto DatabasePassword = "k4wr88zmqdelrunp31";

Database *g_current = nullptr;
std::chrono::milliseconds g_busyTimeout{5000};

// SQLite keeps these beside the database while it is open or after a crash;
// they hold changes that belong to the file they were written for.
const char *const JournalSuffixes[] = {"-journal", "-wal", "-shm"};

bool isBusy(int code)
{
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

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
    case SQLITE_IOERR:
        return QStringLiteral("die Datei kann nicht gelesen oder geschrieben werden");
    default:
        return message;
    }
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

} // namespace

QString quoteName(const QString &name)
{
    QString escaped = name;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

Database::Database(sqlite3 *handle, QString path) : m_handle(handle), m_path(std::move(path))
{
    sqlite3_update_hook(
        m_handle,
        [](void *self, int, const char *, const char *table, sqlite3_int64) {
            ++static_cast<Database *>(self)->m_changes[table];
        },
        this);
}

quint64 Database::changesTo(const QString &table) const
{
    quint64 changes = 0;
    for (const auto &[name, count] : m_changes)
        if (table.compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0)
            changes += count;
    return changes;
}

Database::~Database()
{
    if (g_current == this)
        g_current = nullptr;
    m_statements.clear();
    sqlite3_close(m_handle);
}

std::shared_ptr<Statement> Database::prepared(const QString &sql)
{
    // Storing a sale runs the same few statements line by line: preparing
    // each once per run keeps the store close to what the bare database
    // costs. The cache is bounded; generated texts (filters) come and go.
    // A statement someone holds belongs to its holder as well: dropping it
    // from the cache leaves it whole for them, and it is not handed out
    // again until they let go, as a second user would reset it under them.
    constexpr std::size_t MostStatements = 64;
    if (const auto known = m_statements.find(sql); known != m_statements.end()) {
        if (known->second.use_count() == 1)
            return known->second;
        auto own = std::make_shared<Statement>(m_handle, sql);
        return own->isValid() ? own : nullptr;
    }
    auto statement = std::make_shared<Statement>(m_handle, sql);
    if (!statement->isValid())
        return nullptr;
    if (m_statements.size() >= MostStatements)
        m_statements.clear();
    m_statements.emplace(sql, statement);
    return statement;
}

Database *Database::current()
{
    return g_current;
}
void Database::setCurrent(Database *database)
{
    g_current = database;
}

QString Database::inUseMessage()
{
    return QStringLiteral("Die Datenbank wird gerade von einem anderen Programm benutzt. Bitte versuchen Sie es gleich "
                          "noch einmal. Es wurde nichts gespeichert.");
}

void Database::setBusyTimeout(std::chrono::milliseconds wait)
{
    g_busyTimeout = wait;
}

sqlite3 *Database::openKeyed(const QString &path, int flags, QString *error)
{
    sqlite3 *handle = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr) != SQLITE_OK) {
        const QString disk = diskReason(handle, path);
        if (error)
            *error = QStringLiteral("Die Datenbank „%1“ kann nicht geöffnet werden: %2")
                         .arg(path, disk.isEmpty() ? sqliteMessage(handle) : disk);
        sqlite3_close(handle);
        return nullptr;
    }
    const QByteArray keyStatement = QByteArray("PRAGMA key = '") + DatabasePassword + "';";
    sqlite3_exec(handle, keyStatement.constData(), nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(handle, static_cast<int>(g_busyTimeout.count()));
    return handle;
}

QStringList Database::journalFiles(const QString &path)
{
    QStringList present;
    for (const char *suffix : JournalSuffixes)
        if (QFile::exists(path + QLatin1String(suffix)))
            present << path + QLatin1String(suffix);
    return present;
}

bool Database::checkpoint()
{
    Statement statement(m_handle, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    if (!statement.isValid())
        return fail(QStringLiteral("Die Datenbank konnte nicht abgeschlossen werden"));
    // The first column is 1 when another connection kept the checkpoint from
    // completing.
    const int rc = statement.step();
    const bool blocked = rc == SQLITE_ROW && sqlite3_column_int(statement.handle(), 0) != 0;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        return fail(QStringLiteral("Die Datenbank konnte nicht abgeschlossen werden"));
    if (blocked) {
        m_busy = true;
        m_lastError = inUseMessage();
        return false;
    }
    m_lastError.clear();
    m_busy = false;
    return true;
}

bool Database::fail(const QString &what)
{
    m_busy = isBusy(sqlite3_errcode(m_handle));
    // Busy is said the same way wherever it happens: nothing was done, and
    // trying again later helps.
    m_lastError = m_busy ? inUseMessage() : QStringLiteral("%1 (%2)").arg(what, reasonOf(m_handle));
    return false;
}

bool Database::execute(const QString &sql, const std::vector<QVariant> &params)
{
    const std::shared_ptr<Statement> statement = prepared(sql);
    if (!statement)
        return fail(QStringLiteral("Die Datenbank hat die Anweisung abgelehnt"));
    const Statement::Use use(*statement);
    bool ok = statement->bind(params);
    int rc = SQLITE_DONE;
    while (ok && (rc = statement->step()) == SQLITE_ROW) {
    }
    if (!ok || rc != SQLITE_DONE)
        return fail(QStringLiteral("Die Daten konnten nicht gespeichert werden"));
    m_lastError.clear();
    m_busy = false;
    return true;
}

std::optional<Database::Rows> Database::select(const QString &sql, const std::vector<QVariant> &params)
{
    const auto failed = [this] {
        fail(QStringLiteral("Die Daten konnten nicht gelesen werden"));
        return std::nullopt;
    };
    const std::shared_ptr<Statement> statement = prepared(sql);
    if (!statement)
        return failed();
    const Statement::Use use(*statement);
    if (!statement->bind(params))
        return failed();
    sqlite3_stmt *handle = statement->handle();
    Rows rows;
    const int columnCount = sqlite3_column_count(handle);
    for (int c = 0; c < columnCount; ++c) {
        rows.columns << QString::fromUtf8(sqlite3_column_name(handle, c));
        rows.declaredTypes << QString::fromUtf8(sqlite3_column_decltype(handle, c));
    }
    std::vector<RepeatedTexts> repeated(static_cast<std::size_t>(columnCount));
    int rc;
    while ((rc = statement->step()) == SQLITE_ROW) {
        std::vector<QVariant> row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c)
            row.push_back(columnValue(handle, c, repeated[c]));
        rows.values.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        return failed();
    m_lastError.clear();
    m_busy = false;
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

std::optional<qint64> Database::nextKey(const QString &table, const QString &keyColumn)
{
    const auto rows = select(QStringLiteral("SELECT max(%1) FROM %2").arg(quoteName(keyColumn), quoteName(table)));
    if (!rows || rows->values.empty() || rows->values.front().empty())
        return std::nullopt;
    const QVariant highest = rows->values.front().front();
    if (highest.isNull())
        return 1;
    // A key that is not a whole number, or the largest there is, has no next
    // one: giving 1 or a wrapped number would hand out a key already in use.
    if (highest.typeId() != QMetaType::LongLong || highest.toLongLong() == std::numeric_limits<qint64>::max()) {
        m_busy = false;
        m_lastError = QStringLiteral("Die nächste Nummer für „%1“ kann nicht bestimmt werden: die höchste ist „%2“.")
                          .arg(keyColumn, highest.toString());
        return std::nullopt;
    }
    return highest.toLongLong() + 1;
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
