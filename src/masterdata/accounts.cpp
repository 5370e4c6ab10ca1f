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

} // namespace accounts
