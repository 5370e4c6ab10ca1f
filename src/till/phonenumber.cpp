#include "till/phonenumber.h"

#include "data/recordset.h"

QString phoneDigits(const QString &number)
{
    QString text = number.trimmed();
    if (text.startsWith(QStringLiteral("+49")))
        text.replace(0, 3, u'0');
    QString digits;
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}

bool findCustomerByPhone(Recordset &customers, const QString &number)
{
    const QString wanted = phoneDigits(number);
    for (customers.moveFirst(); !customers.eof(); customers.moveNext())
        if (!wanted.isEmpty() && phoneDigits(customers.text(QStringLiteral("ContactNumber"))) == wanted)
            return true;
    return false;
}
