#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>

#include "apptest.h"
#include "app/frmmainmenu.h"
#include "app/frmsettings.h"
#include "app/frmuseraccount.h"
#include "app/screens.h"
#include "platform/printerchoice.h"

namespace {
const QString HandOver = QString::fromLatin1(Database::HandOverFileName);
const QString Template = QString::fromLatin1(Database::TemplateFileName);
const QString ResetDone = QStringLiteral("Tabellen wurden erfogreich gelöscht! Bitte neustarten!");
const QString QuitQuestion = QStringLiteral("Möchten Sie das Programm wirklich beenden?");

bool storedChoice()
{
    return QSettings(QStringLiteral("DorERIRE"), QStringLiteral("DorERIRE")).contains(QStringLiteral("DR_PRT/Check"));
}
} // namespace

class FrmSettingsTest : public AppTest
{
protected:
    // Which of "A4 Drucker", "A5 Drucker", "Bondrucker" are checked.
    static std::vector<bool> checked()
    {
        FrmSettings &settings = frmSettings();
        return {settings.DR_PRT[0]->isChecked(), settings.DR_PRT[1]->isChecked(), settings.DR_PRT[2]->isChecked()};
    }

    static void reopen()
    {
        screens().unload<FrmSettings>();
        processEvents();
    }
};

TEST_F(FrmSettingsTest, PrinterBoxesShowAndStoreTheChoice)
{
    ASSERT_FALSE(storedChoice());
    EXPECT_EQ(checked(), (std::vector<bool>{true, false, false}));
    EXPECT_TRUE(storedChoice());
    EXPECT_EQ(printerchoice::read(), QStringLiteral("0"));

    frmSettings().DR_PRT[1]->click();
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(printerchoice::read(), QStringLiteral("1"));
    // Clicking the checked box clears it; the choice stays stored.
    frmSettings().DR_PRT[1]->click();
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(printerchoice::read(), QStringLiteral("1"));
    reopen();
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));

    printerchoice::write(QStringLiteral("2"));
    reopen();
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, true}));

    for (const QString &odd : {QStringLiteral("7"), QStringLiteral("x")}) {
        printerchoice::write(odd);
        reopen();
        EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));
        EXPECT_EQ(printerchoice::read(), odd);
    }
    frmSettings().DR_PRT[2]->click();
    EXPECT_EQ(printerchoice::read(), QStringLiteral("2"));
}

TEST_F(FrmSettingsTest, BoxesShowTheShopsRecordAndAddThenSaveLeavesTwoRows)
{
    exec(QStringLiteral("UPDATE Settings SET cName = 'Pizza Roma', deZE = '192.168.178.1', voIPort = '1012'"));
    FrmSettings &settings = frmSettings();
    EXPECT_EQ(settings.txtcName->text(), QStringLiteral("Pizza Roma"));
    EXPECT_EQ(settings.voip->text(), QStringLiteral("192.168.178.1"));
    EXPECT_EQ(settings.voiport->text(), QStringLiteral("1012"));
    EXPECT_TRUE(settings.voip->toolTip().contains(QStringLiteral("die Nummer #96*5* wählen.")));
    EXPECT_TRUE(settings.lblvoip->toolTip().startsWith(QStringLiteral("Aktivierte Anrufmonitor-Funktion")));
    EXPECT_TRUE(settings.fraSettings->isEnabled());

    settings.cmdNew->click();
    EXPECT_TRUE(settings.fraSettings->isEnabled());
    EXPECT_TRUE(settings.cmdSave->isEnabled());
    EXPECT_FALSE(settings.cmdNew->isEnabled());
    EXPECT_FALSE(settings.cmdEdit->isEnabled());
    EXPECT_EQ(settings.txtcName->text(), QString());
    typeInto(settings.txtcName, QStringLiteral("Pizza Napoli"));
    settings.Text5->setPlainText(QStringLiteral("Vielen Dank!\nBis bald."));
    settings.cmdSave->click();

    EXPECT_EQ(count(QStringLiteral("Settings")), 2);
    EXPECT_FALSE(settings.fraSettings->isEnabled());
    EXPECT_FALSE(settings.cmdSave->isEnabled());
    EXPECT_TRUE(settings.cmdNew->isEnabled());
    EXPECT_TRUE(settings.cmdEdit->isEnabled());
    EXPECT_EQ(settings.ADOSettings->text(QStringLiteral("cName")), QStringLiteral("Pizza Napoli"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT cbnText FROM Settings WHERE cName = 'Pizza Napoli'")).toString(),
              QStringLiteral("Vielen Dank!\nBis bald."));

    // Every later reader loads the screen afresh with the first row current.
    reopen();
    EXPECT_EQ(frmSettings().ADOSettings->text(QStringLiteral("cName")), QStringLiteral("Pizza Roma"));
    EXPECT_EQ(frmSettings().Text5->toPlainText(), QString());
}

class DataResetTest : public FrmSettingsTest
{
protected:
    void SetUp() override
    {
        FrmSettingsTest::SetUp();
        QString error;
        ASSERT_TRUE(Database::createFile(Template, &error)) << error.toStdString();
        frmMainMenu();
    }
};

TEST_F(DataResetTest, WrongPasswordOfTheFirstAccountChangesNothing)
{
    exec(QStringLiteral("UPDATE UserAccount SET Password = ?1"), {passwords::hash(QStringLiteral("Chef"))});
    addUser(QStringLiteral("anna"), QStringLiteral("Kasse7"));
    // The list as the login left it: narrowed to the logged-in user.
    frmUserAccount().ADOUser->setFilter({{QStringLiteral("UserID"), QStringLiteral("anna")}});

    for (const QString &wrong : {QStringLiteral("chef"), QStringLiteral("Kasse7"), QString()}) {
        m_dialogs->answerInput(wrong);
        frmSettings().Tabellen_dell->click();
    }
    EXPECT_EQ(m_dialogs->prompts(), QStringList(3, QStringLiteral("Bitte Passwort eingeben...")));
    EXPECT_EQ(m_dialogs->messageTexts(),
              QStringList(3, QStringLiteral("Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich...")));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    EXPECT_FALSE(QFile::exists(HandOver));
    EXPECT_TRUE(screens().isLoaded<FrmSettings>());

    m_dialogs->clearRecords();
    m_dialogs->answerInput(QStringLiteral("Chef"));
    frmSettings().Tabellen_dell->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList({ResetDone, QuitQuestion}));
    EXPECT_TRUE(QFile::exists(HandOver));
}

TEST_F(DataResetTest, ResetHandsOverTheTemplateAndTheQuitQuestionDecides)
{
    exec(QStringLiteral("INSERT INTO Category (CategoryID, Category) VALUES (1, 'Getränke')"));
    m_dialogs->answerMessage(mb::vbOK);
    m_dialogs->answerMessage(mb::vbNo);
    // The administrator's empty password: cancelling the prompt answers it.
    frmSettings().Tabellen_dell->click();
    processEvents();

    EXPECT_EQ(m_dialogs->messageTexts(), QStringList({ResetDone, QuitQuestion}));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbOKOnly);
    QFile handOver(HandOver);
    QFile templateFile(Template);
    ASSERT_TRUE(handOver.open(QIODevice::ReadOnly) && templateFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(handOver.readAll(), templateFile.readAll());
    EXPECT_FALSE(screens().isLoaded<FrmSettings>());
    // Answered No: the program goes on with its data until the next start.
    EXPECT_TRUE(screens().isLoaded<FrmMainMenu>());
    EXPECT_FALSE(m_dialogs->programEnded());
    EXPECT_EQ(count(QStringLiteral("Category")), 1);

    m_dialogs->answerInput(QString());
    m_dialogs->answerMessage(mb::vbOK);
    m_dialogs->answerMessage(mb::vbYes);
    frmSettings().Tabellen_dell->click();
    EXPECT_TRUE(m_dialogs->programEnded());
}

TEST_F(DataResetTest, MissingTemplateIsReported)
{
    ASSERT_TRUE(QFile::remove(Template));
    frmSettings().Tabellen_dell->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Tabellen konnten nicht gelöscht werden!")});
    EXPECT_FALSE(QFile::exists(HandOver));
    EXPECT_TRUE(screens().isLoaded<FrmSettings>());
    EXPECT_TRUE(screens().isLoaded<FrmMainMenu>());
}
