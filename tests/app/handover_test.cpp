#include <QDir>

#include "apptest.h"
#include "app/frmsettings.h"
#include "app/frmstart.h"
#include "app/handover.h"
#include "platform/screens.h"
#include "core/support/rawconnection.h"
#include "core/support/smalldisk.h"

class HandOverTest : public AppTest
{
protected:
    void TearDown() override
    {
        handover::setStepHook(nullptr);
        AppTest::TearDown();
    }

    // A template that can be told apart from the live database.
    void makeTemplate()
    {
        QString error;
        ASSERT_TRUE(Database::createFile(Template, &error)) << error.toStdString();
        auto database = Database::openOrCreate(Template, &error);
        ASSERT_TRUE(database && database->execute("INSERT INTO Brands (ID, Brand) VALUES (1, 'Vorlage')"));
    }

    // What the program does at start before it opens the database, then opens it.
    void startAndReopen()
    {
        frmStart();
        screens().unload<FrmStart>();
        processEvents();
        QString error;
        m_db = Database::openOrCreate(Live, &error);
        ASSERT_TRUE(m_db) << error.toStdString();
        Database::setCurrent(m_db.get());
    }

    void addCategory(int id) { exec("INSERT INTO Category (CategoryID, Category) VALUES (?1, 'Obst')", {id}); }

    static QStringList keptFiles() { return QDir().entryList({"zazozu-*.db"}, QDir::Files, QDir::Name); }

    static inline const QString EmptyAdminPassword =
        "Das Kennwort des Administrators „ops-warden5830“ ist jetzt leer und muss sofort gesetzt werden";
};

TEST_F(HandOverTest, ResetReplacesTheDatabaseAtTheNextStartAndKeepsTheOldData)
{
    makeTemplate();
    addCategory(1);
    writeFile(HandOver, "an older hand-over");
    ASSERT_TRUE(handover::prepare(nullptr));
    EXPECT_EQ(contents(HandOver), contents(Template));
    // Nothing but the hand-over file is left in the folder: no temporary copy.
    EXPECT_EQ(QDir().entryList({"zazozutmp*"}, QDir::Files), QStringList{HandOver});
    // The running program keeps its data, and what is sold after the reset
    // was armed is kept too.
    EXPECT_EQ(count("Category"), 1);
    exec("INSERT INTO Sales (salesid, totalsales) VALUES (1, 1990)");

    closeDatabase();
    // Files of earlier versions could be read by everyone.
    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(Live, readable) && QFile::setPermissions(HandOver, readable));
    startAndReopen();
    EXPECT_FALSE(QFile::exists(HandOver));
    EXPECT_EQ(count("Category"), 0);
    EXPECT_EQ(count("Sales"), 0);
    EXPECT_EQ(scalar("SELECT Brand FROM Brands").toString(), "Vorlage");
    EXPECT_EQ(scalar("SELECT UserID FROM UserAccount").toString(), Admin);

    ASSERT_EQ(keptFiles().size(), 1);
    const QString kept = keptFiles().front();
    EXPECT_TRUE(QRegularExpression("^zazozu-\\d{8}-\\d{6}\\.db$").match(kept).hasMatch()) << kept.toStdString();
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains("„" + kept + "“"));
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains(EmptyAdminPassword))
        << m_dialogs->messages()[0].text.toStdString();
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbInformation);
    EXPECT_TRUE(ownerOnly(Live));
    EXPECT_TRUE(ownerOnly(kept));
    QString error;
    auto old = Database::open(kept, &error);
    ASSERT_TRUE(old) << error.toStdString();
    EXPECT_EQ(old->scalar("SELECT totalsales FROM Sales WHERE salesid = 1").toLongLong(), 1990);
    EXPECT_EQ(old->scalar("SELECT count(*) FROM Category").toLongLong(), 1);

    // A second start finds no hand-over file, copies nothing and says nothing.
    addCategory(2);
    closeDatabase();
    m_dialogs->clearRecords();
    startAndReopen();
    EXPECT_EQ(count("Category"), 1);
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(keptFiles().size(), 1);
}

TEST_F(HandOverTest, SwapStoppedBetweenItsStepsLosesNothingAndPlaysNoOldJournalIntoTheNewDatabase)
{
    closeDatabase();
    const QDateTime firstTry(QDate(2026, 12, 6), QTime(9, 5, 7));
    const QDateTime secondTry = firstTry.addSecs(60);
    // The live database as a killed program left it: with a hot rollback
    // journal of a transaction that never committed, or with committed
    // sales still in its log only.
    for (const bool rollbackJournal : {true, false}) {
        for (const handover::Step stop : {handover::Step::Settled, handover::Step::OldKept}) {
            SCOPED_TRACE(rollbackJournal ? "hot journal" : "log not written back");
            for (const QString &file : QDir().entryList({"zazozu*", "scratch*"}, QDir::Files))
                ASSERT_TRUE(QFile::remove(file));
            makeTemplate();
            ASSERT_TRUE(handover::prepare(nullptr));
            QString error;
            ASSERT_TRUE(Database::createFile("scratch.db", &error)) << error.toStdString();
            {
                RawConnection killed("scratch.db");
                const char *const mode = rollbackJournal ? "DELETE" : "WAL";
                ASSERT_TRUE(killed.exec(QStringLiteral("PRAGMA journal_mode = %1; PRAGMA wal_autocheckpoint = 0;"
                                                       "PRAGMA cache_size = 2;"
                                                       "INSERT INTO Sales (salesid, totalsales) VALUES (1, 1990);")
                                            .arg(mode)))
                    << killed.error().toStdString();
                ASSERT_TRUE(killed.exec("BEGIN; INSERT INTO Category (CategoryID, Category) WITH RECURSIVE n(i) AS"
                                        " (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                                        " SELECT i, hex(randomblob(100)) FROM n;"));
                const QString journal = rollbackJournal ? "-journal" : "-wal";
                ASSERT_TRUE(QFile::copy("scratch.db", Live));
                ASSERT_TRUE(QFile::copy("scratch.db" + journal, Live + journal));
                ASSERT_GT(QFileInfo(Live + journal).size(), 0);
            }

            handover::setStepHook([stop](handover::Step step) { return step != stop; });
            EXPECT_FALSE(handover::completePending(firstTry).swapped);
            handover::setStepHook(nullptr);
            const handover::SwapResult swap = handover::completePending(secondTry);
            ASSERT_TRUE(swap.swapped) << swap.error.toStdString();
            EXPECT_EQ(swap.keptFile, handover::keptFileName(stop == handover::Step::OldKept ? firstTry : secondTry));

            auto fresh = Database::open(Live, &error);
            ASSERT_TRUE(fresh) << error.toStdString();
            EXPECT_EQ(fresh->scalar("PRAGMA integrity_check").toString(), "ok");
            EXPECT_EQ(fresh->scalar("SELECT Brand FROM Brands").toString(), "Vorlage");
            EXPECT_EQ(fresh->scalar("SELECT count(*) FROM Sales").toLongLong(), 0);
            EXPECT_EQ(fresh->scalar("SELECT count(*) FROM Category").toLongLong(), 0);
            auto old = Database::open(swap.keptFile, &error);
            ASSERT_TRUE(old) << error.toStdString();
            EXPECT_EQ(old->scalar("PRAGMA integrity_check").toString(), "ok");
            EXPECT_EQ(old->scalar("SELECT totalsales FROM Sales").toLongLong(), 1990);
            EXPECT_EQ(old->scalar("SELECT count(*) FROM Category").toLongLong(), 0) << "never committed";
        }
    }
}

TEST_F(HandOverTest, SwapThatCannotKeepTheOldDatabaseDoesNotHappen)
{
    addCategory(1);
    closeDatabase();
    // A folder under the hand-over name cannot replace the database file.
    ASSERT_TRUE(QDir().mkdir(HandOver));
    startAndReopen();
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains("konnte nicht übernommen werden"));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbExclamation);
    EXPECT_EQ(count("Category"), 1);
    ASSERT_TRUE(QDir().rmdir(HandOver));

    // The name the old data would be kept under is taken.
    makeTemplate();
    ASSERT_TRUE(handover::prepare(nullptr));
    closeDatabase();
    const QDateTime now(QDate(2026, 12, 6), QTime(18, 30, 0));
    writeFile(handover::keptFileName(now), "someone else's file");
    const handover::SwapResult swap = handover::completePending(now);
    EXPECT_FALSE(swap.swapped);
    EXPECT_TRUE(swap.error.contains(handover::keptFileName(now))) << swap.error.toStdString();
    EXPECT_EQ(contents(handover::keptFileName(now)), "someone else's file");
    EXPECT_TRUE(QFile::exists(HandOver));
    m_db = Database::open(Live, nullptr);
    ASSERT_TRUE(m_db);
    EXPECT_EQ(count("Category"), 1);

    // The hand-over file is gone once the old database has its kept name:
    // the old database goes back under its own, and the program works on it.
    closeDatabase();
    m_dialogs->clearRecords();
    handover::setStepHook(
        [](handover::Step step) { return step != handover::Step::OldKept || QFile::remove(HandOver); });
    startAndReopen();
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(count("Category"), 1);
    EXPECT_EQ(keptFiles(), QStringList{handover::keptFileName(now)});
}

TEST_F(HandOverTest, AResetThatDoesNotFitOnTheDiskFailsAndLeavesNoHandOverFile)
{
    SmallDisk disk(m_dir.filePath("disk"), 8 << 20);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    QDir::setCurrent(disk.path());
    struct BackToTheTestFolder
    {
        QString folder;
        ~BackToTheTestFolder() { QDir::setCurrent(folder); }
    } back{m_dir.path()};
    // A template of a shop that keeps some master data, many pages long.
    makeTemplate();
    {
        QString error;
        auto shop = Database::open(Template, &error);
        ASSERT_TRUE(shop && shop->execute("INSERT INTO Category (CategoryID, Category) WITH RECURSIVE n(i) AS"
                                          " (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                                          " SELECT i, hex(randomblob(50)) FROM n"))
            << error.toStdString();
    }
    const qint64 page = 4096;
    const qint64 templatePages = (QFileInfo(Template).size() + page - 1) / page;
    // Room to open the template, but not for all of its copy: the copy
    // fails at its first, a middle or its last page.
    const qint64 openingRoom = 16;
    ASSERT_GT(templatePages, 2 * openingRoom);
    auto handOverFiles = [] {
        return QDir().entryList({HandOver + "*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
    };
    for (const qint64 freePages : {openingRoom, templatePages / 2, templatePages - 1}) {
        SCOPED_TRACE(freePages);
        ASSERT_TRUE(disk.leaveFree(freePages * page));
        QString error;
        EXPECT_FALSE(handover::prepare(&error));
        EXPECT_EQ(error, "Die Datei „zazozutmp.db“ kann nicht geschrieben werden: Datenträger voll");
        EXPECT_EQ(handOverFiles(), QStringList());
    }

    // The settings screen says so and never that the data were deleted.
    m_dialogs->answerInput(QString());
    frmSettings().Tabellen_dell->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Tabellen konnten nicht gelöscht werden!\nDie Datei "
                                                     "„zazozutmp.db“ kann nicht geschrieben werden: Datenträger voll"});
    EXPECT_TRUE(screens().isLoaded<FrmSettings>());
    EXPECT_EQ(handOverFiles(), QStringList());

    // With room for the whole copy the reset is ready for the next start.
    ASSERT_TRUE(disk.leaveFree((templatePages + openingRoom) * page));
    QString error;
    ASSERT_TRUE(handover::prepare(&error)) << error.toStdString();
    EXPECT_EQ(contents(HandOver), contents(Template));
    EXPECT_EQ(handOverFiles(), QStringList{HandOver});
}

TEST_F(HandOverTest, StartNamesOnlyTheFileItKept)
{
    makeTemplate();
    closeDatabase();
    // A year-old reset's kept file lies in the folder.
    const QDateTime lastYear(QDate(2025, 12, 6), QTime(9, 0, 0));
    ASSERT_TRUE(QFile::rename(Live, handover::keptFileName(lastYear)));
    ASSERT_TRUE(handover::prepare(nullptr));

    // The database itself is missing: this start keeps nothing.
    handover::SwapResult swap = handover::completePending(lastYear.addYears(1));
    ASSERT_TRUE(swap.swapped) << swap.error.toStdString();
    EXPECT_EQ(swap.keptFile, QString());
    QString message = handover::swapMessage(swap);
    EXPECT_FALSE(message.contains("zazozu-")) << message.toStdString();
    EXPECT_TRUE(message.contains(EmptyAdminPassword)) << message.toStdString();

    // With a database in place, its kept file is named, not the old one.
    ASSERT_TRUE(handover::prepare(nullptr));
    const QDateTime now = lastYear.addYears(1).addSecs(60);
    swap = handover::completePending(now);
    ASSERT_TRUE(swap.swapped) << swap.error.toStdString();
    EXPECT_EQ(swap.keptFile, handover::keptFileName(now));
    message = handover::swapMessage(swap);
    EXPECT_TRUE(message.contains("„" + handover::keptFileName(now) + "“")) << message.toStdString();
    EXPECT_FALSE(message.contains(handover::keptFileName(lastYear))) << message.toStdString();
    EXPECT_TRUE(message.contains(EmptyAdminPassword)) << message.toStdString();
    EXPECT_EQ(keptFiles(), QStringList({handover::keptFileName(lastYear), handover::keptFileName(now)}));
}
