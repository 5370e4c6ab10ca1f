#include "reports/reportqueries.h"

#include "data/recordset.h"
#include "data/reportdocument.h"
#include "data/shopsettings.h"
#include "platform/locale.h"

namespace reports {

namespace {

// Dates are stored as "yyyy-MM-dd", so that text order is date order.
BoundSql inPeriod(const QString &source, const QString &columns, const QDate &from, const QDate &to)
{
    return {QStringLiteral("SELECT %1 FROM %2 WHERE Date >= ?1 AND Date <= ?2 ORDER BY Date, ID").arg(columns, source),
            {from.toString(Qt::ISODate), to.toString(Qt::ISODate)}};
}

} // namespace

BoundSql salesInPeriod(const QDate &from, const QDate &to)
{
    return inPeriod(QStringLiteral("EntireSales"), QStringLiteral("ID, Date, Total, CashierID, Mwst1, Mwst2"), from,
                    to);
}

BoundSql deliveriesInPeriod(const QDate &from, const QDate &to)
{
    return inPeriod(QStringLiteral("entiredelivery"), QStringLiteral("ID, Date, Total"), from, to);
}

QString periodText(const QDate &from, const QDate &to)
{
    return de::shortDate(from) + QStringLiteral(" - ") + de::shortDate(to);
}

Sums sumOf(Recordset &rows)
{
    Sums sums;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        ++sums.count;
        sums.total += rows.money(QStringLiteral("Total"));
        sums.mwst1 += rows.money(QStringLiteral("Mwst1"));
        sums.mwst2 += rows.money(QStringLiteral("Mwst2"));
    }
    rows.moveFirst();
    return sums;
}

void printSums(ReportDocument &report, const Sums &sums, const QString &countWord, bool withTax)
{
    const QString footer = QStringLiteral("Section5");
    report.setText(footer, QStringLiteral("lblCount"), QStringLiteral("%1 %2").arg(sums.count).arg(countWord));
    report.setText(footer, QStringLiteral("lblTotal"), de::formatNumber(sums.total));
    if (!withTax)
        return;
    report.setText(footer, QStringLiteral("lblMwst1"), de::formatNumber(sums.mwst1));
    report.setText(footer, QStringLiteral("lblMwst2"), de::formatNumber(sums.mwst2));
}

void setShopHeader(ReportDocument &report, const QString &band, const QString &nameLabel, const QString &addressLabel,
                   const QString &placeLabel, const ShopSettings &shop)
{
    report.setText(band, nameLabel, shop.name);
    report.setText(band, addressLabel, shop.address);
    report.setText(band, placeLabel, shop.place);
}

} // namespace reports
