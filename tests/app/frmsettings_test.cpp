#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include "apptest.h"
#include "app/frmmainmenu.h"
#include "app/frmsettings.h"
#include "data/ui/datanavigator.h"
#include "masterdata/frmuseraccount.h"
#include "platform/screens.h"
#include "platform/printerchoice.h"

class FrmSettingsTest : public AppTest
{
protected:
    // Which of "A4 Drucker", "A5 Drucker", "Bondrucker" are checked.
    static std::vector<bool> checked()
    {
        FrmSettings &settings = frmSettings();
        return {settings.DR_PRT[0]->isChecked(), settings.DR_PRT[1]->isChecked(), settings.DR_PRT[2]->isChecked()};
    }

    // The frame, "Speichern", "Hinzufügen", "Bearbeiten".
    static std::vector<bool> states(FrmSettings &settings)
    {
        return {settings.fraSettings->isEnabled(), settings.cmdSave->isEnabled(), settings.cmdNew->isEnabled(),
                settings.cmdEdit->isEnabled()};
    }

    static void reopen()
    {
        screens().unload<FrmSettings>();
        processEvents();
    }
};

TEST_F(FrmSettingsTest, PrinterBoxesShowAndStoreTheChoice)
{
    using Boxes = std::vector<bool>;
    // Unset, the choice is the first box, and stored as such.
    const auto stored = [] { return QSettings("DorERIRE", "DorERIRE").contains("DR_PRT/Check"); };
    ASSERT_FALSE(stored());
    EXPECT_EQ(checked(), (Boxes{true, false, false}));
    EXPECT_TRUE(stored());
    EXPECT_EQ(printerchoice::read(), "0");

    frmSettings().DR_PRT[1]->click();
    EXPECT_EQ(checked(), (Boxes{false, true, false}));
    EXPECT_EQ(printerchoice::read(), "1");
    // Clicking the checked box clears it; the choice stays stored.
    frmSettings().DR_PRT[1]->click();
    EXPECT_EQ(checked(), (Boxes{false, false, false}));
    EXPECT_EQ(printerchoice::read(), "1");

    // The stored choice shows at the next opening; one out of range checks none.
    for (const auto &[choice, shown] :
         {std::pair{"1", Boxes{false, true, false}}, std::pair{"2", Boxes{false, false, true}},
          std::pair{"7", Boxes{false, false, false}}}) {
        printerchoice::write(choice);
        reopen();
        EXPECT_EQ(checked(), shown) << choice;
    }
    EXPECT_EQ(printerchoice::read(), "7");
    frmSettings().DR_PRT[2]->click();
    EXPECT_EQ(printerchoice::read(), "2");
}

TEST_F(FrmSettingsTest, BoxesShowTheShopsRecordAndAddThenSaveLeavesTwoRows)
{
    exec("UPDATE Settings SET cName = 'Pizza Roma', deZE = '192.168.178.1', voIPort = '1012'");
    FrmSettings &settings = frmSettings();
    EXPECT_EQ(settings.txtcName->text(), "Pizza Roma");
    EXPECT_EQ(settings.voip->text(), "192.168.178.1");
    EXPECT_EQ(settings.voiport->text(), "1012");

    settings.cmdNew->click();
    EXPECT_EQ(states(settings), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(settings.txtcName->text(), QString());
    typeInto(settings.txtcName, "Pizza Napoli");
    settings.Text5->setPlainText("Vielen Dank!\nBis bald.");
    settings.cmdSave->click();

    EXPECT_EQ(count("Settings"), 2);
    EXPECT_EQ(states(settings), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(scalar("SELECT cbnText FROM Settings WHERE cName = 'Pizza Napoli'").toString(),
              "Vielen Dank!\nBis bald.");

    // Every later reader loads the screen afresh with the first row current.
    reopen();
    EXPECT_EQ(frmSettings().ADOSettings->text("cName"), "Pizza Roma");
    EXPECT_EQ(frmSettings().Text5->toPlainText(), QString());
}

TEST_F(FrmSettingsTest, DataResetNeedsTheFirstAccountsPasswordAndATemplateThenAsksToQuit)
{
    frmMainMenu();
    exec("UPDATE UserAccount SET Password = ?1", {passwords::hash("Chef")});
    addUser("anna", "Kasse7");
    exec("INSERT INTO Category (CategoryID, Category) VALUES (1, 'Getränke')");
    // The list as the login left it: narrowed to the logged-in user.
    frmUserAccount().ADOUser->setFilter({{"UserID", "anna"}});
    writeFile(HandOver, "an older hand-over");

    for (const QString &wrong : QStringList{"chef", "Kasse7", QString()}) {
        m_dialogs->answerInput(wrong);
        frmSettings().Tabellen_dell->click();
    }
    EXPECT_EQ(m_dialogs->prompts(), QStringList(3, "Bitte Passwort eingeben..."));
    EXPECT_EQ(m_dialogs->passwordPrompts(), m_dialogs->prompts());
    EXPECT_EQ(m_dialogs->messageTexts(),
              QStringList(3, "Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich..."));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    // The right password without a template, then with an empty one: the
    // reason follows the message, and no hand-over file is written.
    for (const char *missing : {"fehlt", "leer"}) {
        m_dialogs->clearRecords();
        m_dialogs->answerInput("Chef");
        frmSettings().Tabellen_dell->click();
        ASSERT_EQ(m_dialogs->messageTexts().size(), 1);
        EXPECT_TRUE(m_dialogs->messageTexts()[0].startsWith("Tabellen konnten nicht gelöscht werden!\n"));
        EXPECT_TRUE(m_dialogs->messageTexts()[0].contains(missing)) << m_dialogs->messageTexts()[0].toStdString();
        EXPECT_EQ(contents(HandOver), "an older hand-over");
        EXPECT_TRUE(screens().isLoaded<FrmSettings>());
        writeFile(Template, "");
    }

    QFile::remove(Template);
    QString error;
    ASSERT_TRUE(Database::createFile(Template, &error)) << error.toStdString();
    m_dialogs->clearRecords();
    m_dialogs->answerInput("Chef");
    m_dialogs->answerMessage(mb::vbOK);
    m_dialogs->answerMessage(mb::vbNo);
    frmSettings().Tabellen_dell->click();
    processEvents();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList({"Tabellen wurden erfogreich gelöscht! Bitte neustarten!",
                                                      "Möchten Sie das Programm wirklich beenden?"}));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbOKOnly);
    EXPECT_EQ(contents(HandOver), contents(Template));
    EXPECT_FALSE(screens().isLoaded<FrmSettings>());
    // Answered No: the program goes on with its data until the next start.
    EXPECT_TRUE(screens().isLoaded<FrmMainMenu>());
    EXPECT_FALSE(m_dialogs->programEnded());
    EXPECT_EQ(count("Category"), 1);

    // An empty password is answered by cancelling the prompt; Yes ends the program.
    exec("UPDATE UserAccount SET Password = ?1 WHERE UserID = ?2", {passwords::hash(""), Admin});
    m_dialogs->answerInput(QString());
    m_dialogs->answerMessage(mb::vbOK);
    m_dialogs->answerMessage(mb::vbYes);
    frmSettings().Tabellen_dell->click();
    EXPECT_TRUE(m_dialogs->programEnded());
}

TEST_F(FrmSettingsTest, TheCallMonitorPortIsAWholeNumberFrom1To65535OrNothing)
{
    exec("UPDATE Settings SET cName = 'Pizza Roma', voIPort = '1012'");
    const auto storedPort = [this] { return scalar("SELECT voIPort FROM Settings").toString(); };
    FrmSettings &settings = frmSettings();
    for (const char *typed : {"abc", "99999", "65536", "0", "-1", "+80", "1.012", "80 80", "1012a", "8,0"}) {
        SCOPED_TRACE(typed);
        typeInto(settings.voiport, typed);
        settings.cmdSave->click();
        EXPECT_EQ(m_dialogs->messageTexts(),
                  QStringList{QString("Die Firmendaten konnten nicht gespeichert werden: Der Router-Port „%1“ ist "
                                      "ungültig: bitte eine ganze Zahl von 1 bis 65535 angeben oder das Feld leer "
                                      "lassen.")
                                  .arg(typed)});
        EXPECT_EQ(m_dialogs->messages().back().buttons, mb::vbExclamation);
        EXPECT_EQ(storedPort(), "1012");
        EXPECT_EQ(settings.voiport->text(), typed) << "kept for correction";
        m_dialogs->clearRecords();
    }
    // Moving on to the row, as the arrows do, stores nothing either.
    settings.navigator->findChild<QPushButton *>("cmdLast")->click();
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(storedPort(), "1012");
    m_dialogs->clearRecords();

    // An empty box means no call monitor.
    for (const char *typed : {"1", "65535", "08080", ""}) {
        reopen();
        QLineEdit *port = frmSettings().voiport;
        port->selectAll();
        QTest::keyClick(port, Qt::Key_Backspace);
        QTest::keyClicks(port, typed);
        frmSettings().cmdSave->click();
        EXPECT_TRUE(m_dialogs->messages().empty()) << typed;
        EXPECT_EQ(storedPort(), QString(typed));
    }
    EXPECT_EQ(scalar("SELECT cName FROM Settings").toString(), "Pizza Roma");
}
