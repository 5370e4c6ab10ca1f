#include <QDir>
#include <QFile>

#include "apptest.h"
#include "app/frmstart.h"
#include "core/support/smalldisk.h"

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
    SmallDisk disk(m_dir.filePath("laden"), 1 << 20);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    ASSERT_TRUE(QDir::setCurrent(disk.path()));

    // The first start, in a write-protected folder, then on a full disk.
    ASSERT_TRUE(disk.writeProtect(true));
    const QString firstWriteProtected = refusedStart();
    EXPECT_TRUE(firstWriteProtected.contains("Ordner schreibgeschützt")) << firstWriteProtected.toStdString();
    ASSERT_TRUE(disk.writeProtect(false));
    ASSERT_TRUE(disk.leaveFree(0));
    m_dialogs->clearRecords();
    EXPECT_FALSE(startUp().database);
    ASSERT_FALSE(m_dialogs->messages().empty());
    for (const auto &message : m_dialogs->messages()) {
        EXPECT_TRUE(message.text.contains("Datenträger voll")) << message.text.toStdString();
        EXPECT_FALSE(message.text.contains("disk")) << message.text.toStdString();
    }
    EXPECT_FALSE(QFile::exists(QString::fromLatin1(Database::FileName)));

    // A shop's database, then the disk full or the folder write-protected.
    ASSERT_TRUE(disk.leaveFree(1 << 20));
    m_dialogs->clearRecords();
    {
        const StartedProgram started = startUp();
        ASSERT_TRUE(started.database) << m_dialogs->messageTexts().join('\n').toStdString();
        ASSERT_TRUE(started.database->execute("INSERT INTO Sales (salesid, totalsales) VALUES (1, 1990)"));
    }
    ASSERT_TRUE(disk.leaveFree(0));
    const QString full = refusedStart();
    EXPECT_TRUE(full.contains("Datenträger voll")) << full.toStdString();
    ASSERT_TRUE(disk.leaveFree(1 << 20));
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
