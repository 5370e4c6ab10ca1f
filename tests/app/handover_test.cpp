#include <QDir>
#include <QFile>

#include "apptest.h"
#include "app/frmstart.h"
#include "app/handover.h"
#include "app/screens.h"

namespace {
const QString Live = QString::fromLatin1(Database::FileName);
const QString Template = QString::fromLatin1(Database::TemplateFileName);
const QString HandOver = QString::fromLatin1(Database::HandOverFileName);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class HandOverTest : public AppTest
{
protected:
    // A template that can be told apart from the live database.
    void makeTemplate()
    {
        QString error;
        ASSERT_TRUE(Database::createFile(Template, &error)) << error.toStdString();
        auto database = Database::openOrCreate(Template, &error);
        ASSERT_TRUE(database);
        ASSERT_TRUE(database->execute(QStringLiteral("INSERT INTO Brands (ID, Brand) VALUES (1, 'Vorlage')")));
    }

    void closeDatabase()
    {
        Database::setCurrent(nullptr);
        m_db.reset();
    }

    void reopenDatabase()
    {
        QString error;
        m_db = Database::openOrCreate(Live, &error);
        ASSERT_TRUE(m_db) << error.toStdString();
        Database::setCurrent(m_db.get());
    }

    // What the program does at start before it opens the database.
    void start()
    {
        frmStart();
        screens().unload<FrmStart>();
        processEvents();
    }
};

TEST_F(HandOverTest, ResetDatabaseReplacesTheLiveOneAtTheNextStartOnly)
{
    makeTemplate();
    exec(QStringLiteral("INSERT INTO Category (CategoryID, Category) VALUES (1, 'Getränke')"));
    ASSERT_TRUE(handover::prepare(nullptr));
    EXPECT_EQ(contents(HandOver), contents(Template));
    // Nothing but the hand-over file is left in the folder: no temporary copy.
    EXPECT_EQ(QDir().entryList({QStringLiteral("zazozutmp*")}, QDir::Files), QStringList{HandOver});
    // The running program keeps its data.
    EXPECT_EQ(count(QStringLiteral("Category")), 1);

    closeDatabase();
    QFile journal(Live + QStringLiteral("-journal"));
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write("left over from a crash");
    journal.close();
    start();
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_FALSE(QFile::exists(HandOver));
    EXPECT_FALSE(QFile::exists(journal.fileName()));
    reopenDatabase();
    EXPECT_EQ(count(QStringLiteral("Category")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Brand FROM Brands")).toString(), QStringLiteral("Vorlage"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT UserID FROM UserAccount")).toString(),
              QString::fromLatin1(Database::AdministratorId));

    // A second start finds no hand-over file and copies nothing.
    exec(QStringLiteral("INSERT INTO Category (CategoryID, Category) VALUES (2, 'Obst')"));
    closeDatabase();
    start();
    reopenDatabase();
    EXPECT_EQ(count(QStringLiteral("Category")), 1);
}

TEST_F(HandOverTest, ResetReplacesAnOlderHandOverFileAndFailsWithoutTemplate)
{
    QFile older(HandOver);
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("an older hand-over");
    older.close();
    QString error;
    EXPECT_FALSE(handover::prepare(&error));
    EXPECT_TRUE(error.contains(Template)) << error.toStdString();
    EXPECT_EQ(contents(HandOver), QByteArray("an older hand-over"));

    makeTemplate();
    ASSERT_TRUE(handover::prepare(&error));
    EXPECT_EQ(contents(HandOver), contents(Template));
}

TEST_F(HandOverTest, FailedSwapIsReportedAndTheOldDatabaseStays)
{
    exec(QStringLiteral("INSERT INTO Category (CategoryID, Category) VALUES (1, 'Getränke')"));
    closeDatabase();
    // A folder under the hand-over name cannot replace the database file.
    ASSERT_TRUE(QDir().mkdir(HandOver));
    start();
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains(QStringLiteral("konnte nicht übernommen werden")));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbExclamation);
    reopenDatabase();
    EXPECT_EQ(count(QStringLiteral("Category")), 1);
}
