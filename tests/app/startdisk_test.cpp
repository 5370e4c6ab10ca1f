#include <cerrno>
#include <cstring>

#include <sys/mount.h>

#include <QDir>
#include <QFile>

#include "apptest.h"
#include "app/frmstart.h"

namespace {
// A small file system of its own for the shop's folder, to be filled up or
// write-protected. Mounting needs root (as CI runs).
class SmallDisk
{
public:
    explicit SmallDisk(const QString &folder) : m_folder(folder)
    {
        QDir().mkpath(folder);
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=1m,mode=0755") == 0)
            m_mounted = true;
        else
            m_why = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    const QString &whyNot() const { return m_why; }

    // Writes a file until nothing more fits.
    void fill()
    {
        QFile filler(QDir(m_folder).filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void makeRoom() { QFile::remove(QDir(m_folder).filePath("filler")); }

    bool writeProtect(bool on)
    {
        return ::mount(nullptr, QFile::encodeName(m_folder).constData(), nullptr, MS_REMOUNT | (on ? MS_RDONLY : 0),
                       "size=1m,mode=0755") == 0;
    }

private:
    QString m_folder;
    bool m_mounted = false;
    QString m_why;
};
} // namespace

class StartOnABadDiskTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        closeDatabase();
    }
    void TearDown() override
    {
        QDir::setCurrent(m_dir.path());
        AppTest::TearDown();
    }

    // Starts the program; the one message it showed.
    QString refusedStart()
    {
        m_dialogs->clearRecords();
        const StartedProgram started = startUp();
        EXPECT_FALSE(started.database);
        if (m_dialogs->messages().size() != 1) {
            ADD_FAILURE() << m_dialogs->messageTexts().join('\n').toStdString();
            return {};
        }
        EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
        const QString text = m_dialogs->messages()[0].text;
        // Nothing that sends the shop owner after the password or the file.
        for (const char *misleading : {"Kennwort", "keine Datenbank", "unable", "error", "disk"})
            EXPECT_FALSE(text.contains(misleading)) << text.toStdString();
        return text;
    }
};

TEST_F(StartOnABadDiskTest, FullDiskOrWriteProtectedFolderIsNamedAsSuch)
{
    SmallDisk disk(m_dir.filePath("laden"));
    if (!disk.mounted())
        GTEST_SKIP() << "a small file system cannot be mounted here (needs root): " << disk.whyNot().toStdString();
    ASSERT_TRUE(QDir::setCurrent(m_dir.filePath("laden")));
    {
        const StartedProgram started = startUp();
        ASSERT_TRUE(started.database);
        ASSERT_TRUE(started.database->execute("INSERT INTO Sales (salesid, totalsales) VALUES (1, 1990)"));
    }

    disk.fill();
    const QString full = refusedStart();
    EXPECT_TRUE(full.contains("Datenträger voll")) << full.toStdString();
    disk.makeRoom();

    ASSERT_TRUE(disk.writeProtect(true));
    const QString writeProtected = refusedStart();
    EXPECT_TRUE(writeProtected.contains("Ordner schreibgeschützt")) << writeProtected.toStdString();
    ASSERT_TRUE(disk.writeProtect(false));

    // Nothing was lost on the way.
    m_dialogs->clearRecords();
    const StartedProgram started = startUp();
    ASSERT_TRUE(started.database) << m_dialogs->messageTexts().join('\n').toStdString();
    EXPECT_EQ(started.database->scalar("SELECT totalsales FROM Sales WHERE salesid = 1").toLongLong(), 1990);
}

TEST_F(StartOnABadDiskTest, FirstStartInAWriteProtectedOrFullFolderIsNamedAsSuch)
{
    SmallDisk disk(m_dir.filePath("laden"));
    if (!disk.mounted())
        GTEST_SKIP() << "a small file system cannot be mounted here (needs root): " << disk.whyNot().toStdString();
    ASSERT_TRUE(QDir::setCurrent(m_dir.filePath("laden")));

    ASSERT_TRUE(disk.writeProtect(true));
    const QString writeProtected = refusedStart();
    EXPECT_TRUE(writeProtected.contains("Ordner schreibgeschützt")) << writeProtected.toStdString();
    ASSERT_TRUE(disk.writeProtect(false));

    disk.fill();
    m_dialogs->clearRecords();
    EXPECT_FALSE(startUp().database);
    ASSERT_FALSE(m_dialogs->messages().empty());
    for (const auto &message : m_dialogs->messages()) {
        EXPECT_TRUE(message.text.contains("Datenträger voll")) << message.text.toStdString();
        EXPECT_FALSE(message.text.contains("disk")) << message.text.toStdString();
    }
    EXPECT_FALSE(QFile::exists(QString::fromLatin1(Database::FileName)));
}
