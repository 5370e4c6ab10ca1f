#pragma once

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

} // namespace accounts
