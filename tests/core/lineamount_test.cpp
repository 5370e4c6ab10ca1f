#include <gtest/gtest.h>

#include "data/schema.h"
#include "platform/money.h"
#include "support/fixture.h"
#include "till/order.h"

namespace {

// A quantity in thousandths times a price in cents, rounded to whole cents
// half away from zero, in integers only.
qint64 lineCents(qint64 thousandths, qint64 cents)
{
    const qint64 product = thousandths * cents;
    const qint64 magnitude = ((product < 0 ? -product : product) * 2 + 1000) / 2000;
    return product < 0 ? -magnitude : magnitude;
}

} // namespace

using LineAmounts = DatabaseTest;

// The amounts the receipt and the delivery report print are worked out by the
// database; they must be what the till's own arithmetic makes of the same
// line, half a cent rounded away from zero (returns too), weighed quantities
// included (2,05 × 0,10 € is 0,21, not 0,20).
TEST_F(LineAmounts, ViewsAmountToWhatTheTillComputes)
{
    const qint64 quantities[] = {1000, 2000, 3000, 350, 2050, 125, 700, 1500, 12345, 1, 999, -1000, -350, -2050};
    const qint64 prices[] = {0, 1, 5, 10, 99, 199, 350, 1999, 12345, 100000001};
    exec("INSERT INTO Products (ProductID, Description) VALUES (1, 'Ware')");
    qint64 number = 0;
    for (const qint64 thousandths : quantities) {
        for (const qint64 cents : prices) {
            ++number;
            const QVariant quantity = schema::storedQuantity(static_cast<double>(thousandths) / 1000.0);
            exec("INSERT INTO SalesDetails (salesid, productid, quantity, salesprice) VALUES (?1, 1, ?2, ?3)",
                 {number, quantity, cents});
            exec("INSERT INTO Deliveries (deliveryno, prodno, quantity, orderprice, Date) VALUES (?1, 1, ?2, ?3, "
                 "'2026-12-06')",
                 {number, quantity, cents});
            const qint64 expected = lineCents(thousandths, cents);
            const QString line = QStringLiteral("%1/1000 x %2 cents").arg(thousandths).arg(cents);
            ASSERT_EQ(Order::lineAmount(static_cast<double>(thousandths) / 1000.0, Money::fromCents(cents)),
                      Money::fromCents(expected))
                << line.toStdString();
            EXPECT_EQ(scalar("SELECT Ext FROM Receipt WHERE salesid = ?1", {number}).toLongLong(), expected)
                << line.toStdString();
            EXPECT_EQ(scalar("SELECT Total FROM entiredelivery WHERE ID = ?1", {number}).toLongLong(), expected)
                << line.toStdString();
        }
    }
    EXPECT_EQ(lineCents(2050, 10), 21);
}
