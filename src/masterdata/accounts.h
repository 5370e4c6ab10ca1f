#pragma once

#include <optional>

#include <QString>
#include <QVariant>

class Database;
class DataControl;
class Recordset;

// The rules around the staff accounts of table UserAccount: whose password
// opens what, and which ids may be stored. Passwords are kept only as hashes
// (see passwords.h); every check verifies the typed text against the hash,
// letter case counting.
namespace accounts {

// Whether the typed text is the password of the account in the recordset's
// current row. No current row, or a row without a stored password, matches
// nothing; an empty password matches an empty answer.
bool passwordMatches(const Recordset &users, const QString &typed);

// The login check: reads the user list anew, narrows it to the picked user
// (the filter stays, other screens rely on it) and checks the password there.
// A user who no longer exists counts as a wrong password.
bool logIn(DataControl &users, const QString &userId, const QString &typed);

// The name a logged-in user works under: the account's Name in upper case,
// German rules; empty when the account has no name.
QString cashierName(const QVariant &name);

// Whether another account than the one stored under ownUserId (empty for a
// new account) already uses userId.
bool userIdTaken(Database &database, const QString &userId, const QString &ownUserId);

// The number of stored accounts.
qint64 accountCount(Database &database);

// Whether deleting one more account would leave nobody who can log in (also
// when the accounts cannot be counted). The German message says why.
bool isLastAccount(Database &database);
QString lastAccountMessage();

// What the account editor holds besides the row: the two password boxes and
// the id the account was stored under when editing began.
struct AccountEdit
{
    QString password;
    QString confirmation;
    // Whether the password box was typed in: while editing, an untouched box
    // keeps the stored password.
    bool passwordTyped = false;
    // Empty for a new account.
    QString storedUserId;
};

// Why an account was not stored, with the German message the user is shown.
struct AccountRefusal
{
    enum class Reason { ConfirmationDiffers, NoUserId, UserIdTaken, PasswordNotHashed, NotStored };
    Reason reason;
    QString message;
};

// The password and its confirmation must be the same text.
bool confirmationMatches(const AccountEdit &edit);
QString confirmationMessage();

// Stores the account in the current row of users (the shared user list): the
// confirmation must match, the user id must not be empty nor another
// account's, and a new account or a typed password gets the password's hash.
// A row left as it was with no password typed stores nothing and passes.
// Nothing on success; the refusal otherwise, with the row kept as edited.
std::optional<AccountRefusal> storeAccount(Database *database, Recordset &users, const AccountEdit &edit);

} // namespace accounts
