#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "apptest.h"
#include "tillprocess.h"
#include "core/support/rawconnection.h"

namespace {
const QString Live = QString::fromLatin1(Database::FileName);
const QString Log = Live + QStringLiteral("-wal");

// The file under the name of the log: the inode, 0 when there is none.
ino_t logFile()
{
    struct stat info = {};
    return ::stat(QFile::encodeName(Log).constData(), &info) == 0 ? info.st_ino : 0;
}

// What another program reads from the database after the till was killed.
qint64 storedSales()
{
    QString error;
    const auto database = Database::open(Live, &error);
    EXPECT_TRUE(database) << error.toStdString();
    return database ? database->scalar("SELECT count(*) FROM Sales").toLongLong() : -1;
}
} // namespace

class TillProcessTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // The program in the process of its own is the one that holds the
        // database.
        closeDatabase();
    }
};

TEST_F(TillProcessTest, FolderDialogOverTheDataFolderLeavesTheRunningTillItsLog)
{
    TillProcess till(QDir::currentPath());
    ASSERT_EQ(till.waitFor("STARTED"), "STARTED") << till.lines().join('\n').toStdString();
    till.send("sale 1");
    ASSERT_EQ(till.waitFor("SOLD"), "SOLD 1");
    const ino_t log = logFile();
    ASSERT_NE(log, 0u) << "the running till writes a log";

    // The dialog shows folders only: one to show tells when it has listed.
    ASSERT_TRUE(QDir().mkdir("Export"));
    till.send("dialog");
    ASSERT_EQ(till.waitFor("DIALOG"), "DIALOG CLOSED");
    // Another program (a backup read, a second start) opens the database and
    // closes it again: it must see that the till still has it open.
    {
        RawConnection other(Live);
        ASSERT_TRUE(other.exec("SELECT count(*) FROM Sales")) << other.error().toStdString();
    }
    EXPECT_EQ(logFile(), log) << "the running till's log was taken away";

    till.send("sale 2");
    ASSERT_EQ(till.waitFor("SOLD"), "SOLD 2");
    till.kill();
    EXPECT_EQ(storedSales(), 2) << "a confirmed sale was lost with the till";
}

TEST_F(TillProcessTest, SecondStartInTheFolderEndsWithoutTouchingItsFilesAndACrashBlocksNothing)
{
    TillProcess first(QDir::currentPath());
    ASSERT_EQ(first.waitFor("STARTED"), "STARTED") << first.lines().join('\n').toStdString();
    first.send("sale 1");
    ASSERT_EQ(first.waitFor("SOLD"), "SOLD 1");
    const ino_t log = logFile();
    // A start that touched the folder's files would make the template anew
    // and swap in the waiting hand-over file.
    ASSERT_TRUE(QFile::remove(Template));
    writeFile(HandOver, "a reset waiting for the next start");

    TillProcess second(QDir::currentPath());
    EXPECT_EQ(second.finished(), 1);
    ASSERT_EQ(second.messages().size(), 1) << second.lines().join('\n').toStdString();
    const QString message = second.messages().front();
    EXPECT_TRUE(message.startsWith(QStringLiteral("MESSAGE %1 ").arg(mb::vbCritical))) << message.toStdString();
    EXPECT_TRUE(message.contains("läuft bereits in diesem Ordner")) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(QDir::currentPath()))) << message.toStdString();
    EXPECT_TRUE(message.endsWith("Das Programm wird beendet.")) << message.toStdString();
    EXPECT_FALSE(second.lines().contains("STARTED"));
    EXPECT_FALSE(QFile::exists(Template));
    EXPECT_EQ(contents(HandOver), "a reset waiting for the next start");
    EXPECT_EQ(logFile(), log);
    ASSERT_TRUE(QFile::remove(HandOver));

    // The first till works on, and after it crashed the next start runs.
    first.send("sale 2");
    ASSERT_EQ(first.waitFor("SOLD"), "SOLD 2");
    first.kill();
    TillProcess third(QDir::currentPath());
    ASSERT_EQ(third.waitFor("STARTED"), "STARTED") << third.lines().join('\n').toStdString();
    third.send("quit");
    EXPECT_EQ(third.finished(), 0);
    EXPECT_EQ(storedSales(), 2);
}

TEST_F(TillProcessTest, WriteProtectedLogLeftByARunOnAWriteProtectedDatabaseDoesNotBlockTheNextStart)
{
    // File permissions do not stop root: the program then runs as a user
    // without its rights, in a folder of that user's own.
    const bool root = ::geteuid() == 0;
    constexpr uid_t ShopUser = 65534;
    const QString folder = QDir::current().filePath("laden");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QStringList asShopUser = root ? QStringList{"--as-user", QString::number(ShopUser)} : QStringList{};
    if (root) {
        ASSERT_TRUE(QFile::setPermissions(QDir::currentPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                                   QFile::ExeGroup | QFile::ExeOther));
        ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), ShopUser, ShopUser), 0);
    }
    const QString live = QDir(folder).filePath(Live);
    {
        TillProcess first(folder, asShopUser);
        ASSERT_EQ(first.waitFor("STARTED"), "STARTED") << first.lines().join('\n').toStdString();
        first.send("quit");
        EXPECT_EQ(first.finished(), 0);
    }
    ASSERT_TRUE(QFile::setPermissions(live, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        TillProcess writeProtected(folder, asShopUser);
        writeProtected.waitFor("STARTED");
        writeProtected.send("quit");
        writeProtected.finished();
    }
    // What that run leaves: the log's index as write-protected as the file.
    ASSERT_TRUE(QFile::exists(live + "-shm"));
    ASSERT_FALSE(QFile::permissions(live + "-shm") & QFile::WriteOwner);

    ASSERT_TRUE(QFile::setPermissions(live, QFile::ReadOwner | QFile::WriteOwner));
    TillProcess next(folder, asShopUser);
    ASSERT_EQ(next.waitFor("STARTED"), "STARTED") << next.lines().join('\n').toStdString();
    next.send("sale 1");
    EXPECT_EQ(next.waitFor("SOLD"), "SOLD 1") << next.lines().join('\n').toStdString();
    next.send("quit");
    EXPECT_EQ(next.finished(), 0);
}
