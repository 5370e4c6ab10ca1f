#include "data/database.h"

// Opening, creating and settling the database file, and the list of the
// shop's tables: the parts of the database that know the shop's schema.
// They live apart from the statement handling in database.cpp, which the
// schema itself is built on.

#include <sqlcipher/sqlite3.h>

#include <cerrno>

#include <QFile>
#include <QFileInfo>

#include "data/schema.h"
#include "platform/diskerrors.h"

namespace {
std::function<void()> g_upgradeNotice;

// The files hold the shop's customers: only their owner reads them.
constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

// SQLite gives its log and the log's index the permissions of the database
// file. After a run on a write-protected database they stay write-protected
// beside it, and once the database may be written again, no start could open
// them. They belong to the database: they follow its permissions again.
// Changing the permissions opens no file.
void restoreJournalPermissions(const QString &path)
{
    for (const QString &journal : Database::journalFiles(path)) {
        const QFile::Permissions permissions = QFile::permissions(journal);
        if (!(permissions & QFile::WriteOwner))
            QFile::setPermissions(journal, permissions | OwnerOnly);
    }
}

// A stale file of the temporary name is what a killed creation left: it
// never held data.
void removeWithJournals(const QString &path)
{
    QFile::remove(path);
    for (const QString &journal : Database::journalFiles(path))
        QFile::remove(journal);
}
} // namespace

std::unique_ptr<Database> Database::openOrCreate(const QString &path, QString *error)
{
    if (!QFile::exists(path) && !createFile(path, error))
        return nullptr;
    return open(path, error);
}

std::unique_ptr<Database> Database::open(const QString &path, QString *error)
{
    const auto refuse = [&](const QString &why) -> std::unique_ptr<Database> {
        if (error)
            *error = why;
        return nullptr;
    };
    if (!QFile::exists(path))
        return refuse(QStringLiteral("Die Datenbank „%1“ fehlt.").arg(path));
    restoreJournalPermissions(path);
    sqlite3 *handle = openKeyed(path, SQLITE_OPEN_READWRITE, error);
    if (!handle)
        return nullptr;
    std::unique_ptr<Database> database(new Database(handle, path));
    const auto inUse = [&] {
        return refuse(QStringLiteral("Die Datenbank „%1“ kann nicht geöffnet werden.\n%2").arg(path, inUseMessage()));
    };
    // A full disk or a write-protected folder fails the first read too (the
    // log's index cannot be made): that is said, not a wrong password.
    const auto diskFault = [&]() -> std::optional<QString> {
        const QString disk = diskReason(database->m_handle, path);
        if (disk.isEmpty())
            return std::nullopt;
        return QStringLiteral("Die Datenbank „%1“ kann nicht geöffnet werden: %2").arg(path, disk);
    };
    // A wrong password shows only at the first read.
    const QVariant objects = database->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!objects.isValid()) {
        if (database->lastWasBusy())
            return inUse();
        if (const auto disk = diskFault())
            return refuse(*disk);
        return refuse(QStringLiteral("Die Datenbank „%1“ kann nicht gelesen werden: falsches Kennwort oder keine "
                                     "Datenbank dieses Programms.")
                          .arg(path));
    }
    if (objects.toLongLong() == 0)
        return refuse(QStringLiteral("Die Datei „%1“ ist leer: sie ist keine Datenbank dieses Programms.").arg(path));
    if (!schema::hasShopTables(*database))
        return refuse(QStringLiteral("Die Datei „%1“ ist keine Datenbank dieses Programms: ihr fehlen dessen Tabellen.")
                          .arg(path));

    // The write-ahead log with a full sync on every commit: a stored sale
    // survives a power loss, and readers never wait for a writer. The mode
    // stays set in the file; the sync is set per connection. A page cache of
    // 16 MB holds a large shop's product table: the till's look-ups then
    // decrypt a page once per run, not at every click.
    if (database->scalar(QStringLiteral("PRAGMA journal_mode = WAL"))
                .toString()
                .compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0 ||
        !database->execute(QStringLiteral("PRAGMA synchronous = FULL")) ||
        !database->execute(QStringLiteral("PRAGMA cache_size = -16384"))) {
        if (database->lastWasBusy())
            return inUse();
        if (const auto disk = diskFault())
            return refuse(*disk);
        return refuse(
            QStringLiteral("Die Datenbank „%1“ kann nicht geöffnet werden: %2").arg(path, database->lastError()));
    }

    const auto version = schema::storedVersion(*database);
    if (version && *version > schema::currentVersion())
        return refuse(QStringLiteral("Die Datenbank „%1“ stammt von einer neueren Version dieses Programms und kann "
                                     "hier nicht benutzt werden.")
                          .arg(path));
    if (version && *version < schema::currentVersion() && g_upgradeNotice)
        g_upgradeNotice();
    if (!version || !schema::upgrade(*database)) {
        if (database->lastWasBusy())
            return inUse();
        const QString disk = diskReason(database->m_handle, path);
        return refuse(QStringLiteral("Die Datenbank „%1“ kann nicht auf den Stand dieses Programms gebracht werden: %2")
                          .arg(path, disk.isEmpty() ? database->lastError() : disk));
    }
    return database;
}

bool Database::createFile(const QString &path, QString *error)
{
    const auto refuse = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (QFile::exists(path))
        return refuse(QStringLiteral("Die Datei „%1“ besteht bereits.").arg(path));
    // A log without its database would be played into the new one. An empty
    // one, and the log's index, hold nothing: a killed program leaves them.
    for (const QString &orphan : journalFiles(path)) {
        if (!orphan.endsWith(QLatin1String("-shm")) && QFileInfo(orphan).size() > 0)
            return refuse(QStringLiteral("Die Datenbank „%1“ fehlt, aber ihre Datei „%2“ liegt noch im Ordner. Es "
                                         "wird keine neue Datenbank angelegt, solange sie dort liegt.")
                              .arg(path, orphan));
    }
    for (const QString &empty : journalFiles(path))
        QFile::remove(empty);

    const QString partial = path + QStringLiteral(".neu");
    removeWithJournals(partial);
    sqlite3 *handle = openKeyed(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    if (!handle)
        return false;
    QString why;
    {
        Database database(handle, partial);
        // Before the first byte is written; the log and its index take the
        // same permissions.
        if (!QFile::setPermissions(partial, OwnerOnly))
            why = QStringLiteral("die Datei kann nicht geschützt werden");
        else if (!database.execute(QStringLiteral("PRAGMA journal_mode = WAL")) ||
                 !database.execute(QStringLiteral("PRAGMA synchronous = FULL")) || !schema::create(database) ||
                 !database.checkpoint()) {
            const QString disk = diskReason(handle, partial);
            why = disk.isEmpty() ? database.lastError() : disk;
        }
    } // closing the last connection folds the log into the file and removes it
    if (why.isEmpty() && QFile::exists(partial + QStringLiteral("-wal")))
        why = QStringLiteral("das Protokoll der Datenbank konnte nicht abgeschlossen werden");
    if (why.isEmpty() && !QFile::rename(partial, path))
        why = QStringLiteral("die Datei kann nicht umbenannt werden");
    if (!why.isEmpty()) {
        removeWithJournals(partial);
        return refuse(QStringLiteral("Die Datenbank „%1“ kann nicht angelegt werden: %2").arg(path, why));
    }
    return true;
}

bool Database::settle(const QString &path, QString *error)
{
    {
        std::unique_ptr<Database> database = open(path, error);
        if (!database)
            return false;
        if (!database->checkpoint()) {
            if (error)
                *error = QStringLiteral("Die Datenbank „%1“ kann nicht abgeschlossen werden: %2")
                             .arg(path, database->lastError());
            return false;
        }
    }
    if (const QStringList left = journalFiles(path); !left.isEmpty()) {
        if (error)
            *error = QStringLiteral("Die Datenbank „%1“ wird noch von einem anderen Programm benutzt (%2).")
                         .arg(path, left.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

void Database::setUpgradeNotice(std::function<void()> notice)
{
    g_upgradeNotice = std::move(notice);
}

QString Database::diskReason(sqlite3 *handle, const QString &path)
{
    switch (sqlite3_errcode(handle)) {
    case SQLITE_FULL:
        return diskProblem(ENOSPC, path);
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return diskProblem(sqlite3_system_errno(handle), path);
    default:
        return {};
    }
}

QStringList Database::tableNames()
{
    QStringList names;
    if (const auto rows =
            select(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"
                                  " AND name <> ?1 ORDER BY rowid"),
                   {QString::fromLatin1(schema::ProductTotalsTable)}))
        for (const auto &row : rows->values)
            names << row.front().toString();
    return names;
}
