#include "apptest.h"
#include "app/frmlogin.h"
#include "app/frmmainmenu.h"
#include "app/frmuseraccount.h"
#include "app/screens.h"
#include "app/session.h"

namespace {
const QString Admin = QString::fromLatin1(Database::AdministratorId);
} // namespace

class FrmLogInTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        addUser(QStringLiteral("anna"), QStringLiteral("Kasse7"), QStringLiteral("Anna Müller"));
    }

    void tryLogIn(const QString &userId, const QString &password)
    {
        FrmLogIn &login = frmLogIn();
        login.cboUser->setCurrentIndex(login.cboUser->findText(userId));
        login.txtPassword->setText(password);
        login.cmdEnter->click();
        processEvents();
    }

    // What the main menu's "Abmelden" does.
    void openLogOut()
    {
        session().LogOutMode = true;
        frmLogIn().setWindowTitle(QStringLiteral("LOG-OUT"));
        dialogs().showModeless(&frmLogIn());
    }
};

TEST_F(FrmLogInTest, ListsEveryUserWithNonePickedAndTheKeypadTypesThePassword)
{
    FrmLogIn &login = frmLogIn();
    ASSERT_EQ(login.cboUser->count(), 2);
    EXPECT_EQ(login.cboUser->itemText(0), Admin);
    EXPECT_EQ(login.cboUser->itemText(1), QStringLiteral("anna"));
    EXPECT_EQ(login.cboUser->currentText(), QString());
    EXPECT_EQ(login.windowTitle(), QStringLiteral("LogIn"));

    login.lButton[1]->click();
    login.lButton[2]->click();
    login.lButtonClr->click();
    login.lButton[3]->click();
    login.lButton[0]->click();
    EXPECT_EQ(login.txtPassword->text(), QStringLiteral("30"));
    EXPECT_EQ(login.txtPassword->displayText(), QStringLiteral("**"));

    login.cmdEnter->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Bitte Benutzer wählen")});
    EXPECT_EQ(m_dialogs->messages()[0].title, AppTitle);
    EXPECT_FALSE(screens().isLoaded<FrmMainMenu>());
}

TEST_F(FrmLogInTest, WrongPasswordIsRefusedAndTheRightOneOpensTheMainMenu)
{
    tryLogIn(QStringLiteral("anna"), QStringLiteral("kasse7"));
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(m_dialogs->messages()[0].text, QStringLiteral("Bitte nochmal versuchen!"));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    EXPECT_EQ(m_dialogs->messages()[0].title, QStringLiteral("TalVEX"));
    EXPECT_EQ(session().CashierName, QString());
    EXPECT_FALSE(screens().isLoaded<FrmMainMenu>());
    // The password can be typed anew over the refused one.
    EXPECT_EQ(frmLogIn().txtPassword->selectedText(), QStringLiteral("kasse7"));

    tryLogIn(QStringLiteral("anna"), QStringLiteral("Kasse7"));
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(session().CashierName, QStringLiteral("ANNA MÜLLER"));
    EXPECT_EQ(session().UserID, QStringLiteral("anna"));
    EXPECT_EQ(session().LoginPassword, QStringLiteral("Kasse7"));
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{QStringLiteral("frmMainMenu")});
    EXPECT_FALSE(screens().isLoaded<FrmLogIn>());
    // The user list stays narrowed to the user who logged in.
    EXPECT_EQ(frmUserAccount().ADOUser->recordCount(), 1);
    EXPECT_EQ(frmUserAccount().ADOUser->text(QStringLiteral("UserID")), QStringLiteral("anna"));
}

TEST_F(FrmLogInTest, AdministratorWithEmptyPasswordAndNoNameLogsIn)
{
    tryLogIn(Admin, QStringLiteral("x"));
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Bitte nochmal versuchen!")});
    tryLogIn(Admin, QString());
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(session().UserID, Admin);
    EXPECT_EQ(session().CashierName, QString());
    EXPECT_TRUE(screens().isLoaded<FrmMainMenu>());
}

TEST_F(FrmLogInTest, UserRemovedSinceTheListWasFilledCountsAsWrongPassword)
{
    frmLogIn();
    exec(QStringLiteral("DELETE FROM UserAccount WHERE UserID = 'anna'"));
    tryLogIn(QStringLiteral("anna"), QStringLiteral("Kasse7"));
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Bitte nochmal versuchen!")});
    EXPECT_FALSE(screens().isLoaded<FrmMainMenu>());
}

TEST_F(FrmLogInTest, WithoutAccountsOnlyExitLeaves)
{
    exec(QStringLiteral("DELETE FROM UserAccount"));
    FrmLogIn &login = frmLogIn();
    EXPECT_EQ(login.cboUser->count(), 0);
    login.cmdEnter->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Bitte Benutzer wählen")});
    login.cmdCancel->click();
    EXPECT_TRUE(m_dialogs->programEnded());
}

TEST_F(FrmLogInTest, LogOutAcceptsOnlyTheLastUserWithTheLoginPassword)
{
    tryLogIn(QStringLiteral("anna"), QStringLiteral("Kasse7"));
    ASSERT_TRUE(screens().isLoaded<FrmMainMenu>());
    openLogOut();
    EXPECT_EQ(frmLogIn().windowTitle(), QStringLiteral("LOG-OUT"));
    m_dialogs->clearRecords();

    tryLogIn(Admin, QStringLiteral("Kasse7"));
    tryLogIn(QStringLiteral("anna"), QStringLiteral("kasse7"));
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList({QStringLiteral("Bitte abmeldename wählen! "),
                                                      QStringLiteral("Bitte abmeldename wählen! ")}));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    EXPECT_EQ(m_dialogs->messages()[0].title, QStringLiteral("TalVEX"));
    EXPECT_TRUE(session().LogOutMode);

    // The quit question answered No: the menu stays, the login waits for the
    // next user.
    m_dialogs->clearRecords();
    m_dialogs->answerMessage(mb::vbNo);
    tryLogIn(QStringLiteral("anna"), QStringLiteral("Kasse7"));
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Möchten Sie das Programm wirklich beenden?")});
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbYesNo + mb::vbInformation);
    EXPECT_FALSE(m_dialogs->programEnded());
    EXPECT_TRUE(screens().isLoaded<FrmMainMenu>());
    EXPECT_FALSE(session().LogOutMode);
    EXPECT_EQ(frmLogIn().windowTitle(), QStringLiteral("LOG-IN"));
    EXPECT_EQ(frmLogIn().txtPassword->text(), QString());

    // The next user logs in and works under their own name.
    tryLogIn(Admin, QString());
    EXPECT_EQ(session().UserID, Admin);
    EXPECT_EQ(session().CashierName, QString());
    EXPECT_FALSE(screens().isLoaded<FrmLogIn>());

    // Logging out again and answering Yes ends the program.
    openLogOut();
    m_dialogs->answerMessage(mb::vbYes);
    tryLogIn(Admin, QString());
    EXPECT_TRUE(m_dialogs->programEnded());
}
