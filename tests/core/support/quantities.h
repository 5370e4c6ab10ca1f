#pragma once

#include <cstdlib>

#include <QString>

// A quantity of whole thousandths as the shop writes it, worked out from the
// integer alone, so that tests need none of the program's own formatting:
// 30977305 is "30977,305", 2500 "2,5", 3000 "3", -350 "-0,35".
inline QString thousandthsText(qint64 thousandths)
{
    QString text = QString::number(thousandths / 1000);
    if (thousandths < 0 && thousandths > -1000)
        text.prepend(u'-');
    QString decimals = QStringLiteral("%1").arg(std::abs(thousandths % 1000), 3, 10, QChar(u'0'));
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    return decimals.isEmpty() ? text : text + u',' + decimals;
}
