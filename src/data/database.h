#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/statement.h"

struct sqlite3;

// The shop's one database file, protected by the database password.
//
// Values cross this boundary as QVariant: whole numbers (money in cents, keys)
// as qint64, fractional quantities as double, text as QString, dates as
// "yyyy-MM-dd" text, NULL as an invalid QVariant.
class Database
{
public:
    static constexpr auto FileName = "zazozu.db";
    // The empty database a data reset starts from.
    static constexpr auto TemplateFileName = "zazozus.db";
    // A reset database waiting to replace the live one at the next start.
    static constexpr auto HandOverFileName = "zazozutmp.db";
    // The user id of the built-in administrator account.
    static constexpr auto AdministratorId = "ops-warden5830";

    struct Rows
    {
        QStringList columns;
        // Each column's declared type ("INTEGER", "TEXT"), empty for a
        // column that is worked out rather than read from a table.
        QStringList declaredTypes;
        std::vector<std::vector<QVariant>> values;
    };

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // What the user is told when another program holds the database locked
    // for longer than the busy wait.
    static QString inUseMessage();

    // Opens the file, creating it (see createFile) when it does not exist.
    static std::unique_ptr<Database> openOrCreate(const QString &path, QString *error);

    // Opens an existing database and brings an older schema up to date. A
    // file that is empty, not this shop's database, lacks the shop's tables,
    // cannot be read with the password, is newer than this program or is
    // held locked by another program gives nullptr and a German message in
    // *error.
    static std::unique_ptr<Database> open(const QString &path, QString *error);

    // Called when open() finds a schema older than this program's, before it
    // brings the file up to date: on a large file that takes seconds, and
    // the start-up says so first.
    static void setUpgradeNotice(std::function<void()> notice);

    // Creates a new database file with the schema, the record sources, an
    // empty settings row and the administrator account. It is built under a
    // temporary name and renamed into place when complete, so that a killed
    // program never leaves half a database under the name. False with a
    // message if the file exists already or cannot be written.
    static bool createFile(const QString &path, QString *error);

    // Writes everything of the write-ahead log into the file itself, so that
    // the file alone holds the data (before it is closed and moved).
    bool checkpoint();

    // Makes the file alone hold all its data before it is copied or moved:
    // opens it (which rolls back a transaction a killed program left in its
    // journal), writes its log into it and closes it. False with a German
    // message when it cannot be opened, or when another program still has it
    // open and its log files stay beside it.
    static bool settle(const QString &path, QString *error);

    // The journal and log files SQLite keeps beside the file that exist now.
    static QStringList journalFiles(const QString &path);

    // How long a statement waits for another program's lock before it fails
    // as busy; applies to connections opened afterwards.
    static void setBusyTimeout(std::chrono::milliseconds wait);

    // The database every data control of the program uses.
    static Database *current();
    static void setCurrent(Database *database);

    const QString &path() const { return m_path; }

    // A statement prepared once and kept for the texts the program runs
    // often; nullptr when the database refuses the text. The caller shares
    // it: a statement held is never finalized under its holder, however
    // many others are prepared meanwhile, nor handed to a second caller
    // while it is held (that one gets a statement of its own).
    std::shared_ptr<Statement> prepared(const QString &sql);

    // Runs one statement with its parameters bound in order (?1, ?2, ...).
    // On failure returns false and keeps a German message for lastError().
    bool execute(const QString &sql, const std::vector<QVariant> &params = {});
    std::optional<Rows> select(const QString &sql, const std::vector<QVariant> &params = {});
    // The first column of the first row, or an invalid QVariant.
    QVariant scalar(const QString &sql, const std::vector<QVariant> &params = {});
    qint64 lastInsertRowId() const;
    const QString &lastError() const { return m_lastError; }
    // Whether the last statement failed because another program held the
    // database locked; lastError() is then inUseMessage().
    bool lastWasBusy() const { return m_busy; }

    // One more than the highest key in use, 1 for an empty table: a removed
    // row never makes a key repeat. Reads one index entry, however large the
    // table. Nothing when the table cannot be read (see lastError()).
    std::optional<qint64> nextKey(const QString &table, const QString &keyColumn);

    // Counts the rows this connection has inserted, changed or deleted in a
    // table (any letter case) since it was opened, rolled back or not: when
    // the count is the same, nothing of the table changed in between, and
    // what was read of it may be shown again without reading it anew.
    quint64 changesTo(const QString &table) const;

    // The names of the shop's tables (not the record sources, nor the totals
    // kept for the stock list), in creation order.
    QStringList tableNames();

    // Writes that belong together: everything between begin and commit is
    // stored together or, when the Transaction goes out of scope uncommitted,
    // not at all.
    class Transaction
    {
    public:
        explicit Transaction(Database &database);
        ~Transaction();
        bool commit();
        bool active() const { return m_active; }

    private:
        Database &m_database;
        bool m_active = false;
    };

private:
    Database(sqlite3 *handle, QString path);
    // Opens a file with the password; whether it is readable shows only at
    // the first read. nullptr and a German message when it cannot be opened.
    static sqlite3 *openKeyed(const QString &path, int flags, QString *error);
    // Why SQLite could not read or write a file, when the disk or its folder
    // is the cause ("Datenträger voll", "Ordner schreibgeschützt"); empty
    // otherwise.
    static QString diskReason(sqlite3 *handle, const QString &path);
    bool fail(const QString &what);

    sqlite3 *m_handle = nullptr;
    QString m_path;
    QString m_lastError;
    bool m_busy = false;
    // Finalized when dropped by the cache and by every holder, or with the
    // Database, before the connection closes: a connection with a statement
    // left open does not close.
    std::unordered_map<QString, std::shared_ptr<Statement>> m_statements;
    // By table, named as the schema names it; a few tables, searched by name.
    std::unordered_map<std::string, quint64> m_changes;
};

// Double quotes a table or column name for SQL.
QString quoteName(const QString &name);
