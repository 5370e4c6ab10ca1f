#pragma once

#include <QDate>
#include <QString>

#include "data/recordset.h"
#include "platform/money.h"

class ReportDocument;
struct ShopSettings;

// What the back-office reports read and the sums they print.
namespace reports {

// The sales of EntireSales from the first to the last day of a period, both
// days included, in date and number order.
BoundSql salesInPeriod(const QDate &from, const QDate &to);
// The deliveries of entiredelivery in a period, as above.
BoundSql deliveriesInPeriod(const QDate &from, const QDate &to);

// "01.03.2026 - 31.03.2026"
QString periodText(const QDate &from, const QDate &to);

// The sums of the visible rows of a recordset over EntireSales or
// entiredelivery; a source without tax columns sums no tax.
struct Sums
{
    int count = 0;
    Money total;
    Money mwst1;
    Money mwst2;
};
// Reads every visible row; the first of them is current afterwards.
Sums sumOf(Recordset &rows);

// Prints the sums in the report footer of a layout of reportlayouts.h;
// countWord names what was counted ("Verkäufe"); the tax sums print only
// on layouts that have them.
void printSums(ReportDocument &report, const Sums &sums, const QString &countWord, bool withTax);

// Fills the three header labels of a report with the shop's name, address
// and place.
void setShopHeader(ReportDocument &report, const QString &band, const QString &nameLabel, const QString &addressLabel,
                   const QString &placeLabel, const ShopSettings &shop);

} // namespace reports
