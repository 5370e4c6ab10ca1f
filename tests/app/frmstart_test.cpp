#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>

#include "apptest.h"
#include "app/frmlogin.h"
#include "app/frmstart.h"
#include "data/schema.h"
#include "platform/screens.h"
#include "core/support/rawconnection.h"

namespace {
// Notes, at every message and window shown, what else is on the screen then:
// the visible windows and the running timers of the start-up, which could
// open a window of their own.
class WatchingDialogs : public ScriptedDialogs
{
public:
    int msgBox(const QString &text, int buttons, const QString &title) override
    {
        atMessages.push_back(onScreen());
        return ScriptedDialogs::msgBox(text, buttons, title);
    }
    void showModeless(QWidget *window) override
    {
        if (auto *status = window->findChild<QLabel *>("lblStatus"))
            statusWhenShown << (status->isVisibleTo(window) ? status->text() : QString());
        ScriptedDialogs::showModeless(window);
    }

    std::vector<QStringList> atMessages;
    QStringList statusWhenShown;

private:
    static QStringList onScreen()
    {
        QStringList seen;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                seen << window->objectName();
            for (const QTimer *timer : window->findChildren<QTimer *>())
                if (timer->isActive())
                    seen << window->objectName() + "." + timer->objectName();
        }
        return seen;
    }
};
} // namespace

class FrmStartTest : public AppTest
{
protected:
    WatchingDialogs &watch()
    {
        auto dialogs = std::make_unique<WatchingDialogs>();
        WatchingDialogs &watching = *dialogs;
        setDialogs(std::move(dialogs));
        useDialogs(watching);
        return watching;
    }
};

TEST_F(FrmStartTest, ProgressRunsFromOneToHundredThenHandsOverToTheLogin)
{
    FrmStart &start = frmStart();
    EXPECT_TRUE(start.Timer2->isActive());
    const double fullWidth = start.Picture1_3->width() - 2.0 * start.Image1_3->x();
    for (int tick = 1; tick <= 100; ++tick) {
        start.Timer2_Timer();
        ASSERT_EQ(start.windowTitle(), QString::number(tick) + " %");
        if (tick == 50) {
            EXPECT_EQ(start.Image1_3->width(), static_cast<int>(fullWidth / 2));
        }
    }
    EXPECT_EQ(start.Image1_3->width(), static_cast<int>(fullWidth));
    // Still counting after 100 ticks: the hand-over starts with the next one.
    EXPECT_FALSE(start.Timer1->isActive());

    start.Timer2_Timer();
    EXPECT_EQ(start.windowTitle(), "100 %");
    EXPECT_FALSE(start.Timer2->isActive());
    EXPECT_TRUE(start.Timer1->isActive());
    EXPECT_FALSE(screens().isLoaded<FrmLogIn>());

    start.Timer1->stop();
    start.Timer1_Timer();
    processEvents();
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{"frmLogIn"});
    EXPECT_FALSE(screens().isLoaded<FrmStart>());
}

TEST_F(FrmStartTest, EmptyOrForeignDatabaseIsRefusedAndTheProgramEnds)
{
    closeDatabase();
    for (const auto &[name, expected] : {std::pair{"empty", "ist leer"}, std::pair{"foreign", "fehlen dessen Tabellen"},
                                         std::pair{"not a database", "falsches Kennwort"}}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(QFile::remove(Live));
        if (QString(name) == "foreign")
            ASSERT_TRUE(RawConnection(Live).exec("CREATE TABLE Kunden (Nr INTEGER)"));
        else
            writeFile(Live, QString(name) == "empty" ? QByteArray() : QByteArray(4096, 'x'));
        WatchingDialogs &watching = watch();
        EXPECT_FALSE(startUp().database);
        ASSERT_EQ(m_dialogs->messages().size(), 1u);
        // The refusal is the only window, and nothing opens another over it.
        EXPECT_EQ(watching.atMessages.front(), QStringList()) << watching.atMessages.front().join(", ").toStdString();
        EXPECT_TRUE(m_dialogs->messages()[0].text.contains(expected)) << m_dialogs->messages()[0].text.toStdString();
        EXPECT_TRUE(m_dialogs->messages()[0].text.endsWith("Das Programm wird beendet."));
        EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
        EXPECT_FALSE(screens().isLoaded<FrmLogIn>());
    }
}

TEST_F(FrmStartTest, FirstStartBuildsItsFilesUnderTemporaryNames)
{
    closeDatabase();
    ASSERT_TRUE(QFile::remove(Live));
    // What a first start killed while building its files left behind.
    writeFile(Live + ".neu", "half a database");
    writeFile(Template, "");

    StartedProgram started = startUp();
    m_db = std::move(started.database);
    ASSERT_TRUE(m_db);
    EXPECT_TRUE(m_dialogs->messages().empty());
    for (const QString &file : {Live, Template, QString::fromLatin1(FolderLock::FileName)})
        EXPECT_TRUE(ownerOnly(file)) << file.toStdString();
    EXPECT_EQ(m_db->scalar("SELECT UserID FROM UserAccount").toString(), QString(Database::AdministratorId));
    EXPECT_TRUE(Database::open(Template, nullptr)) << "the empty template was made anew";
    EXPECT_EQ(QDir().entryList({"*.neu*"}, QDir::Files), QStringList());

    // A log left beside a database that is gone would be played into a new
    // one: no database is made while it lies there.
    m_db.reset();
    ASSERT_TRUE(QFile::remove(Live));
    writeFile(Live + "-shm", "index of a lost log");
    writeFile(Live + "-journal", "");
    writeFile(Live + "-wal", "log of a lost database");
    QString error;
    EXPECT_FALSE(Database::createFile(Live, &error));
    EXPECT_TRUE(error.contains(Live + "-wal")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(Live));
    ASSERT_TRUE(QFile::remove(Live + "-wal"));
    EXPECT_TRUE(Database::createFile(Live, &error)) << "what is left holds nothing";
}

TEST_F(FrmStartTest, SplashSaysSoBeforeTheDatabaseIsBroughtUpToDate)
{
    for (const bool older : {false, true}) {
        SCOPED_TRACE(older ? "older file" : "current file");
        if (older)
            exec("PRAGMA user_version = 1");
        closeDatabase();
        WatchingDialogs &watching = watch();
        StartedProgram started = startUp();
        ASSERT_TRUE(started.database);
        if (older) {
            ASSERT_EQ(watching.statusWhenShown.size(), 1);
            EXPECT_EQ(watching.statusWhenShown.front(),
                      "Die Datenbank wird auf den neuen Stand gebracht. Bitte warten …");
        } else {
            EXPECT_TRUE(watching.statusWhenShown.isEmpty()) << watching.statusWhenShown.join(", ").toStdString();
        }
        EXPECT_EQ(started.database->scalar("PRAGMA user_version").toInt(), schema::currentVersion());
        EXPECT_TRUE(watching.messages().empty());
        screens().unload<FrmStart>();
        processEvents();
        m_db = std::move(started.database);
        Database::setCurrent(m_db.get());
    }
}
