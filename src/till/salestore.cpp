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
        // The stock goes down by what was sold: weighed goods keep the
        // fraction they have on hand, to the gram, without the binary noise
        // of 100 - 20 × 0,35.
        if (!database.execute(
                QStringLiteral("UPDATE Products SET Quantity = round(Quantity - ?1, 3) WHERE ProductID = ?2"),
                {schema::storedQuantity(*quantity), line.productId}))
            return false;
    }
    return true;
}

namespace {
// Adds the sale's total to what the customer owes; false with the reason
// when there is no such customer or the balance would be out of range.
bool addToBalance(Database &database, const Sale &sale, QString *reason)
{
    const auto found =
        database.select(QStringLiteral("SELECT accountbalance FROM Customer WHERE CustomerID = ?1"), {sale.customerId});
    if (!found)
        return false;
    if (found->values.empty()) {
        *reason = CustomerNotFound;
        return false;
    }
    const QVariant owed = found->values.front().front();
    Money balance;
    try {
        balance = Money::fromCents(owed.isValid() ? owed.toLongLong() : 0) + sale.total;
    } catch (const MoneyOverflow &) {
        *reason = QStringLiteral("Der Kontostand des Kunden wäre zu groß");
        return false;
    }
    return database.execute(QStringLiteral("UPDATE Customer SET accountbalance = ?1 WHERE CustomerID = ?2"),
                            {cents(balance), sale.customerId});
}
} // namespace

bool storeSale(Database &database, Sale &sale, QString *error)
{
    QString reason;
    const auto refuse = [&] {
        if (reason.isEmpty())
            reason = database.lastError().isEmpty() ? QStringLiteral("Die Daten konnten nicht gespeichert werden")
                                                    : database.lastError();
        if (error)
            *error = reason;
        return false;
    };
    if (sale.lines.empty()) {
        reason = QStringLiteral("Die Bestellung hat keine Zeilen");
        return refuse();
    }
    Database::Transaction transaction(database);
    if (!transaction.active())
        return refuse();
    // Taken inside the transaction: another till may have stored the number
    // the payment showed.
    const auto number = nextSaleNumber(database);
    if (!number)
        return refuse();
    sale.salesId = *number;
    if (!database.execute(
            QStringLiteral("INSERT INTO Sales (salesid, Date, totalsales, custid, cashierid, mwst2, mwst1)"
                           " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"),
            {sale.salesId, sale.date.toString(Qt::ISODate), cents(sale.total), sale.customerId, sale.cashierId,
             cents(sale.reducedRateTax), cents(sale.fullRateTax)}))
        return refuse();
    if (!SaveSalesDetails(database, sale.salesId, sale.lines))
        return refuse();
    if (sale.delivery && !addToBalance(database, sale, &reason))
        return refuse();
    if (!transaction.commit())
        return refuse();
    return true;
}
