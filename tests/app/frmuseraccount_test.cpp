#include <QGroupBox>

#include "apptest.h"
#include "app/accounts.h"
#include "app/frmuseraccount.h"
#include "app/screens.h"
#include "data/ui/datanavigator.h"

namespace {
const QString Prompt = QStringLiteral("Bitte Passwort eingeben...");
const QString EditRefused = QStringLiteral("Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich......");
const QString DeleteRefused = QStringLiteral("Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich...");
const QString Mismatch = QStringLiteral("Best. Passwort Stimmt nicht überein..");
} // namespace

class FrmUserAccountTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        addUser(QStringLiteral("anna"), QStringLiteral("Kasse7"), QStringLiteral("Anna"));
    }

    FrmUserAccount &showAccount(const QString &userId)
    {
        FrmUserAccount &editor = frmUserAccount();
        editor.ADOUser->moveFirst();
        editor.ADOUser->find({QStringLiteral("UserID"), userId});
        return editor;
    }

    // Frame, "Speichern", "Bearbeiten", "Hinzufügen", "Löschen", navigation.
    static std::vector<bool> states(FrmUserAccount &editor)
    {
        return {editor.fraAccount->isEnabled(), editor.cmdSave->isEnabled(),   editor.cmdEdit->isEnabled(),
                editor.cmdNew->isEnabled(),     editor.cmdDelete->isEnabled(), editor.navigator->isEnabled()};
    }

    static const inline std::vector<bool> Browsing{false, false, true, true, true, true};
    static const inline std::vector<bool> Editing{true, true, false, false, false, false};
};

TEST_F(FrmUserAccountTest, EditingNeedsTheAccountsPasswordAndKeepsItUnlessRetyped)
{
    FrmUserAccount &editor = showAccount(QStringLiteral("anna"));
    EXPECT_EQ(states(editor), (std::vector<bool>{false, true, true, true, true, true}));
    EXPECT_EQ(editor.txtUser->text(), QStringLiteral("anna"));
    EXPECT_EQ(editor.txtPassword->text(), QString());

    m_dialogs->answerInput(QStringLiteral("kasse7"));
    editor.cmdEdit->click();
    EXPECT_EQ(m_dialogs->prompts(), QStringList{Prompt});
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(m_dialogs->messages()[0].text, EditRefused);
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    EXPECT_FALSE(editor.fraAccount->isEnabled());

    m_dialogs->answerInput(QStringLiteral("Kasse7"));
    editor.cmdEdit->click();
    EXPECT_EQ(states(editor), Editing);
    typeInto(editor.txtName, QStringLiteral("Anna Schmidt"));
    editor.cmdSave->click();
    EXPECT_EQ(states(editor), Browsing);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Name FROM UserAccount WHERE UserID = 'anna'")).toString(),
              QStringLiteral("Anna Schmidt"));
    EXPECT_TRUE(passwords::verify(storedHash(QStringLiteral("anna")), QStringLiteral("Kasse7")));

    m_dialogs->answerInput(QStringLiteral("Kasse7"));
    editor.cmdEdit->click();
    typeInto(editor.txtPassword, QStringLiteral("Neu9"));
    typeInto(editor.txtConfirm, QStringLiteral("Neu9"));
    EXPECT_EQ(editor.txtPassword->displayText() + editor.txtConfirm->displayText(), QStringLiteral("********"));
    editor.cmdSave->click();
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(passwords::verify(storedHash(QStringLiteral("anna")), QStringLiteral("Neu9")));
    EXPECT_FALSE(passwords::verify(storedHash(QStringLiteral("anna")), QStringLiteral("Kasse7")));
    EXPECT_EQ(editor.txtPassword->text(), QString());
}

TEST_F(FrmUserAccountTest, NewAccountIsStoredOnlyWithMatchingConfirmationAndAFreeId)
{
    FrmUserAccount &editor = frmUserAccount();
    editor.cmdNew->click();
    EXPECT_EQ(states(editor), Editing);
    EXPECT_EQ(editor.txtUser->text(), QString());

    typeInto(editor.txtPassword, QStringLiteral("Fahrer1"));
    typeInto(editor.txtConfirm, QStringLiteral("fahrer1"));
    QTest::keyClick(editor.txtConfirm, Qt::Key_Return);
    editor.cmdSave->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList({Mismatch, Mismatch}));
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbOKOnly);

    typeInto(editor.txtConfirm, QStringLiteral("Fahrer1"));
    editor.cmdSave->click();
    EXPECT_EQ(m_dialogs->messages().size(), 3u);
    EXPECT_TRUE(m_dialogs->messages()[2].text.contains(QStringLiteral("Nutzernamen")));

    typeInto(editor.txtUser, QStringLiteral("anna"));
    editor.cmdSave->click();
    EXPECT_EQ(m_dialogs->messages().size(), 4u);
    EXPECT_TRUE(m_dialogs->messages()[3].text.contains(QStringLiteral("„anna“")));
    EXPECT_EQ(count(QStringLiteral("UserAccount")), 2);
    EXPECT_EQ(states(editor), Editing);

    typeInto(editor.txtUser, QStringLiteral("bernd"));
    typeInto(editor.txtName, QStringLiteral("Bernd"));
    editor.cmdSave->click();
    EXPECT_EQ(m_dialogs->messages().size(), 4u);
    EXPECT_EQ(states(editor), Browsing);
    EXPECT_EQ(count(QStringLiteral("UserAccount")), 3);
    EXPECT_TRUE(passwords::verify(storedHash(QStringLiteral("bernd")), QStringLiteral("Fahrer1")));

    // Renaming an account to another's id is refused the same way.
    m_dialogs->answerInput(QStringLiteral("Fahrer1"));
    editor.cmdEdit->click();
    typeInto(editor.txtUser, QStringLiteral("anna"));
    editor.cmdSave->click();
    EXPECT_EQ(m_dialogs->messages().size(), 5u);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM UserAccount WHERE UserID = 'bernd'")).toInt(), 1);
}

TEST_F(FrmUserAccountTest, AddingThenReloadingStoresNothing)
{
    FrmUserAccount &editor = frmUserAccount();
    editor.cmdNew->click();
    typeInto(editor.txtUser, QStringLiteral("carla"));
    editor.cmdRefresh->click();
    EXPECT_EQ(states(editor), Browsing);
    EXPECT_EQ(count(QStringLiteral("UserAccount")), 2);
    EXPECT_EQ(editor.ADOUser->recordCount(), 2);
}

TEST_F(FrmUserAccountTest, ShowsTheAccountTheLoginFilteredToUntilReloaded)
{
    FrmUserAccount &editor = frmUserAccount();
    ASSERT_TRUE(accounts::logIn(editor.ADOUser, QStringLiteral("anna"), QStringLiteral("Kasse7")));
    EXPECT_EQ(editor.ADOUser->recordCount(), 1);
    EXPECT_EQ(editor.txtUser->text(), QStringLiteral("anna"));
    editor.cmdRefresh->click();
    EXPECT_EQ(editor.ADOUser->recordCount(), 2);
    EXPECT_EQ(editor.txtUser->text(), QString::fromLatin1(Database::AdministratorId));
}

TEST_F(FrmUserAccountTest, DeletingNeedsThePasswordReturnsToBrowsingAndKeepsTheLastAccount)
{
    FrmUserAccount &editor = showAccount(QStringLiteral("anna"));
    m_dialogs->answerInput(QStringLiteral("KASSE7"));
    editor.cmdDelete->click();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{DeleteRefused});
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    EXPECT_EQ(count(QStringLiteral("UserAccount")), 2);

    m_dialogs->answerInput(QStringLiteral("Kasse7"));
    editor.cmdDelete->click();
    EXPECT_EQ(count(QStringLiteral("UserAccount")), 1);
    EXPECT_EQ(states(editor), Browsing);
    EXPECT_EQ(editor.txtUser->text(), QString::fromLatin1(Database::AdministratorId));

    // The administrator's empty password: a cancelled prompt answers it, but
    // the last account is never deleted.
    m_dialogs->clearRecords();
    editor.cmdDelete->click();
    EXPECT_TRUE(m_dialogs->prompts().isEmpty());
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains(QStringLiteral("letzte Benutzerkonto")));
    EXPECT_EQ(count(QStringLiteral("UserAccount")), 1);
}

TEST_F(FrmUserAccountTest, EmptyPasswordAccountOpensWithACancelledPrompt)
{
    FrmUserAccount &editor = showAccount(QString::fromLatin1(Database::AdministratorId));
    editor.cmdEdit->click();
    EXPECT_EQ(m_dialogs->prompts(), QStringList{Prompt});
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(states(editor), Editing);
}

TEST_F(FrmUserAccountTest, NavigatorStaysOnTheFirstAndLastAccount)
{
    FrmUserAccount &editor = frmUserAccount();
    editor.navigator->cmdPrevious->click();
    EXPECT_EQ(editor.txtUser->text(), QString::fromLatin1(Database::AdministratorId));
    editor.navigator->cmdNext->click();
    editor.navigator->cmdNext->click();
    EXPECT_EQ(editor.txtUser->text(), QStringLiteral("anna"));
    EXPECT_FALSE(editor.ADOUser->eof());
    editor.navigator->cmdFirst->click();
    EXPECT_EQ(editor.ADOUser->position(), 0);
    editor.navigator->cmdLast->click();
    EXPECT_EQ(editor.ADOUser->position(), 1);
}

TEST_F(FrmUserAccountTest, LeavingTheConfirmationBoxChecksItAgainstThePassword)
{
    FrmUserAccount &editor = frmUserAccount();
    dialogs().showModeless(&editor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.cmdNew->click();
    typeInto(editor.txtPassword, QStringLiteral("abc"));
    editor.txtConfirm->setFocus();
    typeInto(editor.txtConfirm, QStringLiteral("abd"));
    editor.txtName->setFocus();
    processEvents();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{QStringLiteral("Best. Passwort Stimmt nicht überein..")});
    EXPECT_TRUE(editor.txtConfirm->hasFocus());
    EXPECT_EQ(editor.txtConfirm->selectedText(), QStringLiteral("abd"));

    typeInto(editor.txtConfirm, QStringLiteral("abc"));
    QTest::keyClick(editor.txtConfirm, Qt::Key_Return);
    processEvents();
    EXPECT_TRUE(editor.txtName->hasFocus());
    EXPECT_EQ(m_dialogs->messages().size(), 1u);

    // Leaving the box by clicking "Speichern" tells the user once.
    editor.txtConfirm->setFocus();
    typeInto(editor.txtConfirm, QStringLiteral("abx"));
    QTest::mouseClick(editor.cmdSave, Qt::LeftButton);
    processEvents();
    EXPECT_EQ(m_dialogs->messages().size(), 2u);
    EXPECT_TRUE(editor.txtConfirm->hasFocus());
    EXPECT_TRUE(editor.fraAccount->isEnabled());
}
