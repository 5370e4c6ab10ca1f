#include <QDir>

#include "apptest.h"
#include "app/frmstart.h"
#include "app/handover.h"
#include "app/screens.h"

class HandOverTest : public AppTest
{
protected:
    // A template that can be told apart from the live database.
    void makeTemplate()
    {
        QString error;
        ASSERT_TRUE(Database::createFile(Template, &error)) << error.toStdString();
        auto database = Database::openOrCreate(Template, &error);
        ASSERT_TRUE(database && database->execute("INSERT INTO Brands (ID, Brand) VALUES (1, 'Vorlage')"));
    }

    void closeDatabase()
    {
        Database::setCurrent(nullptr);
        m_db.reset();
    }

    // What the program does at start before it opens the database, then opens it.
    void startAndReopen()
    {
        frmStart();
        screens().unload<FrmStart>();
        processEvents();
        QString error;
        m_db = Database::openOrCreate(QString::fromLatin1(Database::FileName), &error);
        ASSERT_TRUE(m_db) << error.toStdString();
        Database::setCurrent(m_db.get());
    }

    void addCategory(int id) { exec("INSERT INTO Category (CategoryID, Category) VALUES (?1, 'Obst')", {id}); }
};

TEST_F(HandOverTest, ResetDatabaseReplacesTheLiveOneAtTheNextStartOnly)
{
    makeTemplate();
    addCategory(1);
    writeFile(HandOver, "an older hand-over");
    ASSERT_TRUE(handover::prepare(nullptr));
    EXPECT_EQ(contents(HandOver), contents(Template));
    // Nothing but the hand-over file is left in the folder: no temporary copy.
    EXPECT_EQ(QDir().entryList({"zazozutmp*"}, QDir::Files), QStringList{HandOver});
    // The running program keeps its data.
    EXPECT_EQ(count("Category"), 1);

    closeDatabase();
    const QString journal = QString::fromLatin1(Database::FileName) + "-journal";
    writeFile(journal, "left over from a crash");
    startAndReopen();
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_FALSE(QFile::exists(HandOver));
    EXPECT_FALSE(QFile::exists(journal));
    EXPECT_EQ(count("Category"), 0);
    EXPECT_EQ(scalar("SELECT Brand FROM Brands").toString(), "Vorlage");
    EXPECT_EQ(scalar("SELECT UserID FROM UserAccount").toString(), Admin);

    // A second start finds no hand-over file and copies nothing.
    addCategory(2);
    closeDatabase();
    startAndReopen();
    EXPECT_EQ(count("Category"), 1);
}

TEST_F(HandOverTest, FailedSwapIsReportedAndTheOldDatabaseStays)
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
}
