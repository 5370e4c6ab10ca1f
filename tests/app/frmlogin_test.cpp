#include "apptest.h"
#include "app/frmlogin.h"
#include "app/frmmainmenu.h"
#include "masterdata/frmuseraccount.h"
#include "platform/screens.h"
#include "shell/session.h"

class FrmLogInTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        addUser("anna", "Kasse7", "Anna Müller");
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
        frmLogIn().setWindowTitle("LOG-OUT");
        dialogs().showModeless(&frmLogIn());
    }
};

TEST_F(FrmLogInTest, ListsEveryUserWithNonePickedAndTheKeypadTypesThePassword)
{
    FrmLogIn &login = frmLogIn();
    EXPECT_EQ(login.cboUser->count(), 2);
    EXPECT_EQ(login.cboUser->itemText(1), "anna");
    EXPECT_EQ(login.cboUser->currentText(), QString());

    for (QPushButton *key : {login.lButton[1], login.lButton[2], login.lButtonClr, login.lButton[3], login.lButton[0]})
        key->click();
    EXPECT_EQ(login.txtPassword->text(), "30");
    EXPECT_EQ(login.txtPassword->displayText(), "**");

    login.cmdEnter->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Bitte Benutzer wählen"});
    EXPECT_FALSE(screens().isLoaded<FrmMainMenu>());
    login.cmdCancel->click();
    EXPECT_TRUE(m_dialogs->programEnded());
}

TEST_F(FrmLogInTest, OnlyTheRightPasswordLogsInAndOnlyTheSameUserLogsOut)
{
    addUser("bernd", "Fahrer1");
    frmLogIn();
    exec("DELETE FROM UserAccount WHERE UserID = 'bernd'");
    // Letter case counts, the administrator's empty password wants an empty
    // answer, and a user removed since the list was filled cannot log in.
    tryLogIn("anna", "kasse7");
    tryLogIn(Admin, "x");
    tryLogIn("bernd", "Fahrer1");
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList(3, "Bitte nochmal versuchen!"));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    EXPECT_EQ(m_dialogs->messages()[0].title, "TalVEX");
    EXPECT_FALSE(screens().isLoaded<FrmMainMenu>());
    // The password can be typed anew over the refused one.
    EXPECT_EQ(frmLogIn().txtPassword->selectedText(), "Fahrer1");

    m_dialogs->clearRecords();
    tryLogIn("anna", "Kasse7");
    EXPECT_EQ(session().CashierName, "ANNA MÜLLER");
    EXPECT_EQ(session().UserID, "anna");
    EXPECT_EQ(session().LoginPassword, "Kasse7");
    EXPECT_EQ(m_dialogs->shownWindows(), QStringList{"frmMainMenu"});
    EXPECT_FALSE(screens().isLoaded<FrmLogIn>());
    // The user list stays narrowed to the user who logged in.
    EXPECT_EQ(frmUserAccount().ADOUser->recordCount(), 1);
    EXPECT_EQ(frmUserAccount().ADOUser->text("UserID"), "anna");

    // Logging out wants the same user with the same password.
    openLogOut();
    tryLogIn(Admin, "Kasse7");
    tryLogIn("anna", "kasse7");
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList(2, "Bitte abmeldename wählen! "));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    EXPECT_TRUE(session().LogOutMode);

    // The quit question answered No: the menu stays, the login waits for the
    // next user.
    m_dialogs->clearRecords();
    m_dialogs->answerMessage(mb::vbNo);
    tryLogIn("anna", "Kasse7");
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Möchten Sie das Programm wirklich beenden?"});
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbYesNo + mb::vbInformation);
    EXPECT_FALSE(m_dialogs->programEnded());
    EXPECT_TRUE(screens().isLoaded<FrmMainMenu>());
    EXPECT_FALSE(session().LogOutMode);
    EXPECT_EQ(frmLogIn().windowTitle(), "LOG-IN");
    EXPECT_EQ(frmLogIn().txtPassword->text(), QString());

    // The administrator, who has no name, logs in next and works as such.
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
