#include <QGroupBox>

#include "apptest.h"
#include "masterdata/accounts.h"
#include "masterdata/frmuseraccount.h"
#include "data/ui/datanavigator.h"
#include "platform/screens.h"

namespace {
const QString Prompt = "Bitte Passwort eingeben...";
const QString Mismatch = "Best. Passwort Stimmt nicht überein..";
} // namespace

// The account rules themselves are tested without the screen; these tests
// follow what the screen asks, shows and hands to them.
class FrmUserAccountTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        addUser("anna", "Kasse7", "Anna");
    }

    // Frame, "Speichern", "Bearbeiten", "Hinzufügen", "Löschen", navigation.
    static std::vector<bool> states(FrmUserAccount &editor)
    {
        return {editor.fraAccount->isEnabled(), editor.cmdSave->isEnabled(),   editor.cmdEdit->isEnabled(),
                editor.cmdNew->isEnabled(),     editor.cmdDelete->isEnabled(), editor.navigator->isEnabled()};
    }

    // What the password prompt of "Bearbeiten" or "Löschen" is answered with.
    void clickAnswering(QPushButton *button, const QString &password)
    {
        m_dialogs->clearRecords();
        m_dialogs->answerInput(password);
        button->click();
    }

    static const inline std::vector<bool> Browsing{false, false, true, true, true, true};
    static const inline std::vector<bool> Editing{true, true, false, false, false, false};
};

TEST_F(FrmUserAccountTest, EditingAndDeletingNeedTheAccountsPasswordWhichStaysUnlessRetyped)
{
    FrmUserAccount &editor = frmUserAccount();
    editor.navigator->cmdLast->click();
    ASSERT_EQ(editor.txtUser->text(), "anna");

    clickAnswering(editor.cmdEdit, "kasse7");
    // The password is typed unseen, star by star.
    EXPECT_EQ(m_dialogs->passwordPrompts(), QStringList{Prompt});
    EXPECT_EQ(m_dialogs->messageTexts(),
              QStringList{"Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich......"});
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbCritical);
    EXPECT_FALSE(editor.fraAccount->isEnabled());

    clickAnswering(editor.cmdEdit, "Kasse7");
    EXPECT_EQ(states(editor), Editing);
    EXPECT_EQ(editor.txtPassword->text(), QString());
    typeInto(editor.txtName, "Anna Schmidt");
    editor.cmdSave->click();
    EXPECT_EQ(states(editor), Browsing);
    EXPECT_EQ(scalar("SELECT Name FROM UserAccount WHERE UserID = 'anna'").toString(), "Anna Schmidt");
    EXPECT_TRUE(passwords::verify(storedHash("anna"), "Kasse7"));

    clickAnswering(editor.cmdDelete, "kasse7");
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{"Passwort ist leider Fehlerhaft... Bearbeitung nicht möglich..."});
    EXPECT_EQ(count("UserAccount"), 2);
    clickAnswering(editor.cmdDelete, "Kasse7");
    EXPECT_EQ(count("UserAccount"), 1);
    EXPECT_EQ(states(editor), Browsing);
    EXPECT_EQ(editor.txtUser->text(), Admin);

    // The last account is never deleted, not even asked for its password.
    m_dialogs->clearRecords();
    editor.cmdDelete->click();
    EXPECT_TRUE(m_dialogs->prompts().isEmpty());
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains("letzte Benutzerkonto"));
    EXPECT_EQ(count("UserAccount"), 1);
}

TEST_F(FrmUserAccountTest, NewAccountIsStoredOnlyWithMatchingConfirmationAndAFreeId)
{
    FrmUserAccount &editor = frmUserAccount();
    dialogs().showModeless(&editor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.cmdNew->click();
    EXPECT_EQ(editor.txtUser->text(), QString());

    // Leaving the confirmation box checks it against the password.
    typeInto(editor.txtPassword, "Fahrer1");
    EXPECT_EQ(editor.txtPassword->displayText(), "*******");
    editor.txtConfirm->setFocus();
    typeInto(editor.txtConfirm, "fahrer1");
    editor.txtName->setFocus();
    processEvents();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList{Mismatch});
    EXPECT_EQ(m_dialogs->messages()[0].buttons, mb::vbOKOnly);
    EXPECT_TRUE(editor.txtConfirm->hasFocus());
    EXPECT_EQ(editor.txtConfirm->selectedText(), "fahrer1");
    QTest::keyClick(editor.txtConfirm, Qt::Key_Return);
    // Leaving it by clicking "Speichern" tells the user once and stores nothing.
    QTest::mouseClick(editor.cmdSave, Qt::LeftButton);
    processEvents();
    EXPECT_EQ(m_dialogs->messageTexts(), QStringList(3, Mismatch));
    EXPECT_TRUE(editor.txtConfirm->hasFocus());
    EXPECT_EQ(count("UserAccount"), 2);

    typeInto(editor.txtConfirm, "Fahrer1");
    QTest::keyClick(editor.txtConfirm, Qt::Key_Return);
    processEvents();
    EXPECT_TRUE(editor.txtName->hasFocus());
    // A taken id: the screen says why and stays editing.
    m_dialogs->clearRecords();
    typeInto(editor.txtUser, "anna");
    editor.cmdSave->click();
    ASSERT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_TRUE(m_dialogs->messages()[0].text.contains("„anna“"));
    EXPECT_EQ(states(editor), Editing);

    typeInto(editor.txtUser, "bernd");
    editor.cmdSave->click();
    EXPECT_EQ(m_dialogs->messages().size(), 1u);
    EXPECT_EQ(states(editor), Browsing);
    EXPECT_TRUE(passwords::verify(storedHash("bernd"), "Fahrer1"));
}

TEST_F(FrmUserAccountTest, ReloadingDropsTheLoginsFilterAndAnUnsavedNewAccount)
{
    FrmUserAccount &editor = frmUserAccount();
    ASSERT_TRUE(accounts::logIn(editor.ADOUser, "anna", "Kasse7"));
    ASSERT_EQ(editor.ADOUser->recordCount(), 1);
    editor.cmdNew->click();
    typeInto(editor.txtUser, "carla");
    editor.cmdRefresh->click();
    EXPECT_EQ(states(editor), Browsing);
    EXPECT_EQ(count("UserAccount"), 2);
    EXPECT_EQ(editor.ADOUser->recordCount(), 2);
    EXPECT_EQ(editor.txtUser->text(), Admin);

    // The administrator's empty password: a cancelled prompt answers it.
    clickAnswering(editor.cmdEdit, QString());
    EXPECT_EQ(m_dialogs->prompts(), QStringList{Prompt});
    EXPECT_TRUE(m_dialogs->messages().empty());
    EXPECT_EQ(states(editor), Editing);
}
