#include <tuple>

#include <gtest/gtest.h>

#include "data/passwords.h"
#include "data/recordset.h"
#include "masterdata/accounts.h"
#include "support/fixture.h"

using accounts::AccountEdit;
using Reason = accounts::AccountRefusal::Reason;

class AccountsTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        exec("INSERT INTO UserAccount (UserID, Password, Name) VALUES ('anna', ?1, 'Anna')",
             {passwords::hash("Kasse7")});
        ASSERT_TRUE(users.open(m_db.get(), "UserAccount", false));
    }

    bool showAccount(const QString &userId)
    {
        users.clearFilter();
        return users.find({"UserID", userId});
    }

    QString storedHash(const QString &userId)
    {
        return scalar("SELECT Password FROM UserAccount WHERE UserID = ?1", {userId}).toString();
    }

    Recordset users;
};

TEST_F(AccountsTest, ANewAccountNeedsTheConfirmationAnIdAndAnIdNoOtherAccountHas)
{
    const qint64 before = count("UserAccount");
    const auto storeNew = [&](const QString &userId, const AccountEdit &edit) {
        users.cancelUpdate();
        users.addNew();
        users.setValue("UserID", userId);
        return accounts::storeAccount(m_db.get(), users, edit);
    };

    // The messages, and a new account with a password: see the user account
    // screen's tests.
    // clang-format off
    const std::tuple<const char *, const char *, Reason> refusals[] = {
        {"bernd", "Pizza2", Reason::ConfirmationDiffers}, {"", "Pizza1", Reason::NoUserId},
        {"   ", "Pizza1", Reason::NoUserId}, {"anna", "Pizza1", Reason::UserIdTaken}};
    // clang-format on
    for (const auto &[userId, confirmation, reason] : refusals) {
        const auto refused = storeNew(userId, {"Pizza1", confirmation, true, {}});
        ASSERT_TRUE(refused) << userId;
        EXPECT_EQ(refused->reason, reason) << userId;
    }
    EXPECT_EQ(count("UserAccount"), before) << "a refused account stores nothing";

    // An empty password is a password too, kept as its hash.
    EXPECT_FALSE(storeNew("carla", {"", "", false, {}}));
    EXPECT_TRUE(passwords::verify(storedHash("carla"), ""));
    EXPECT_FALSE(passwords::verify(storedHash("carla"), "Pizza1"));
}

// Keeping the password when none is typed: see the user account screen's tests.
TEST_F(AccountsTest, EditingMayNotTakeAnotherAccountsIdAndATypedPasswordReplacesTheOld)
{
    // The administrator's id belongs to another account.
    ASSERT_TRUE(showAccount("anna"));
    users.setValue("UserID", QString::fromLatin1(Database::AdministratorId));
    const auto refused = accounts::storeAccount(m_db.get(), users, {{}, {}, false, "anna"});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->reason, Reason::UserIdTaken);
    users.cancelUpdate();

    // A typed password replaces the old one; renaming to a free id is fine.
    ASSERT_TRUE(showAccount("anna"));
    users.setValue("UserID", "anna2");
    EXPECT_FALSE(accounts::storeAccount(m_db.get(), users, {"Neu9", "Neu9", true, "anna"}));
    EXPECT_TRUE(passwords::verify(storedHash("anna2"), "Neu9"));
    EXPECT_FALSE(passwords::verify(storedHash("anna2"), "Kasse7"));
}

TEST_F(AccountsTest, AnUntouchedAccountStoresNothingAndARefusedWriteIsReported)
{
    exec("CREATE TRIGGER Refuse BEFORE UPDATE ON UserAccount BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    ASSERT_TRUE(showAccount("anna"));
    EXPECT_FALSE(accounts::storeAccount(m_db.get(), users, {{}, {}, false, "anna"}))
        << "nothing changed, nothing written, nothing refused";

    const QString annasHash = storedHash("anna");
    const auto refused = accounts::storeAccount(m_db.get(), users, {"Neu9", "Neu9", true, "anna"});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->reason, Reason::NotStored);
    EXPECT_TRUE(refused->message.contains("disk full")) << refused->message.toStdString();
    EXPECT_EQ(storedHash("anna"), annasHash);
}

TEST_F(AccountsTest, TheLastAccountCannotBeDeletedAndAnAccountWithoutPasswordOpensNothing)
{
    EXPECT_FALSE(accounts::isLastAccount(*m_db));
    exec("DELETE FROM UserAccount WHERE UserID = 'anna'");
    EXPECT_TRUE(accounts::isLastAccount(*m_db));
    EXPECT_TRUE(accounts::lastAccountMessage().startsWith("Das letzte Benutzerkonto"));
    // Accounts that cannot be counted are not deleted either.
    exec("ALTER TABLE UserAccount RENAME TO Gone");
    EXPECT_TRUE(accounts::isLastAccount(*m_db));
    exec("ALTER TABLE Gone RENAME TO UserAccount");

    exec("INSERT INTO UserAccount (UserID, Password) VALUES ('ohne', NULL)");
    ASSERT_TRUE(users.open(m_db.get(), "UserAccount", false));
    ASSERT_TRUE(showAccount("ohne"));
    EXPECT_FALSE(accounts::passwordMatches(users, ""));
    users.moveLast();
    users.moveNext();
    EXPECT_FALSE(accounts::passwordMatches(users, "")) << "no current row";
}
