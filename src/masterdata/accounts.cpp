#include "masterdata/accounts.h"

#include <QLocale>

#include "data/database.h"
#include "data/datacontrol.h"
#include "data/passwords.h"
#include "data/recordset.h"

namespace accounts {

bool passwordMatches(const Recordset &users, const QString &typed)
{
    const QVariant stored = users.value(QStringLiteral("Password"));
    if (!stored.isValid() || stored.isNull())
        return false;
    return passwords::verify(stored.toString(), typed);
}

bool logIn(DataControl &users, const QString &userId, const QString &typed)
{
    users.refresh();
    users->setFilter({{QStringLiteral("userid"), userId}});
    return !users->eof() && passwordMatches(users.recordset(), typed);
}

QString cashierName(const QVariant &name)
{
    if (!name.isValid() || name.isNull())
        return {};
    return QLocale(QLocale::German, QLocale::Germany).toUpper(name.toString());
}

bool userIdTaken(Database &database, const QString &userId, const QString &ownUserId)
{
    if (userId == ownUserId)
        return false;
    return database.scalar(QStringLiteral("SELECT count(*) FROM UserAccount WHERE UserID = ?1"), {userId})
               .toLongLong() > 0;
}

qint64 accountCount(Database &database)
{
    return database.scalar(QStringLiteral("SELECT count(*) FROM UserAccount")).toLongLong();
}

bool isLastAccount(Database &database)
{
    return accountCount(database) <= 1;
}

QString lastAccountMessage()
{
    return QStringLiteral("Das letzte Benutzerkonto kann nicht gelöscht werden: ohne Benutzerkonto könnte sich "
                          "niemand mehr anmelden.");
}

bool confirmationMatches(const AccountEdit &edit)
{
    return edit.password == edit.confirmation;
}

QString confirmationMessage()
{
    return QStringLiteral("Best. Passwort Stimmt nicht überein..");
}

std::optional<AccountRefusal> storeAccount(Database *database, Recordset &users, const AccountEdit &edit)
{
    using Reason = AccountRefusal::Reason;
    if (!confirmationMatches(edit))
        return AccountRefusal{Reason::ConfirmationDiffers, confirmationMessage()};
    if (!users.isDirty() && !edit.passwordTyped)
        return std::nullopt;
    const QString userId = users.value(QStringLiteral("UserID")).toString();
    if (userId.trimmed().isEmpty())
        return AccountRefusal{Reason::NoUserId, QStringLiteral("Bitte geben Sie einen Nutzernamen ein.")};
    if (database && userIdTaken(*database, userId, edit.storedUserId))
        return AccountRefusal{
            Reason::UserIdTaken,
            QStringLiteral(
                "Den Nutzernamen „%1“ hat bereits ein anderes Benutzerkonto. Bitte wählen Sie einen anderen.")
                .arg(userId)};
    if (users.isNewRow() || edit.passwordTyped) {
        const QString hash = passwords::hash(edit.password);
        if (hash.isEmpty() || !users.setValue(QStringLiteral("Password"), hash))
            return AccountRefusal{Reason::PasswordNotHashed,
                                  QStringLiteral("Das Passwort konnte nicht verschlüsselt werden. Das "
                                                 "Benutzerkonto wurde nicht gespeichert.")};
    }
    if (!users.update())
        return AccountRefusal{
            Reason::NotStored,
            QStringLiteral("Das Benutzerkonto konnte nicht gespeichert werden: %1").arg(users.lastError())};
    return std::nullopt;
}

} // namespace accounts
