#include "till/salestore.h"

#include <QVariant>

#include "data/database.h"
#include "data/schema.h"
#include "platform/locale.h"

namespace {
QVariant cents(Money amount)
{
    return static_cast<qint64>(amount.cents());
}
} // namespace

std::optional<qint64> nextSaleNumber(Database &database)
{
    return database.nextKey(QStringLiteral("Sales"), QStringLiteral("salesid"));
}

bool SaveSalesDetails(Database &database, qint64 salesId, const std::vector<OrderLine> &lines)
{
    for (const OrderLine &line : lines) {
        const auto quantity = de::parseNumber(line.quantity);
        const auto unitPrice = de::parseMoney(line.unitPrice);
        if (!quantity || !unitPrice)
            return false;
        if (!database.execute(QStringLiteral("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice)"
                                             " VALUES (?1, ?2, ?3, ?4)"),
                              {salesId, line.productId, schema::storedQuantity(*quantity), cents(*unitPrice)}))
            return false;
        // The stock goes down by exactly what was sold: weighed goods keep the
        // fraction they have on hand.
        if (!database.execute(QStringLiteral("UPDATE Products SET Quantity = Quantity - ?1 WHERE ProductID = ?2"),
                              {schema::storedQuantity(*quantity), line.productId}))
            return false;
    }
    return true;
}

bool storeSale(Database &database, const Sale &sale, QString *error)
{
    const auto refuse = [&] {
        if (error)
            *error = database.lastError().isEmpty() ? QStringLiteral("Die Daten konnten nicht gespeichert werden")
                                                    : database.lastError();
        return false;
    };
    Database::Transaction transaction(database);
    if (!transaction.active())
        return refuse();
    if (!database.execute(
            QStringLiteral("INSERT INTO Sales (salesid, Date, totalsales, custid, cashierid, mwst2, mwst1)"
                           " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"),
            {sale.salesId, sale.date.toString(Qt::ISODate), cents(sale.total), sale.customerId, sale.cashierId,
             cents(sale.reducedRateTax), cents(sale.fullRateTax)}))
        return refuse();
    if (!SaveSalesDetails(database, sale.salesId, sale.lines))
        return refuse();
    if (sale.delivery &&
        !database.execute(QStringLiteral("UPDATE Customer SET accountbalance = ?1 WHERE CustomerID = ?2"),
                          {cents(sale.total), sale.customerId}))
        return refuse();
    if (!transaction.commit())
        return refuse();
    return true;
}
