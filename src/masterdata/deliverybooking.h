#pragma once

#include <optional>

#include <QDate>
#include <QString>
#include <QStringList>

#include "masterdata/keys.h"
#include "platform/money.h"

class Database;

// Booking a delivery of one product: the delivery's row and the product's
// new stock and prices, as the delivery screen stores them.
namespace deliveries {

// The key of the delivery numbers: the number proposed for the next delivery
// is one more than the highest in use (proposeKey), so that it never names a
// delivery already booked.
inline const KeyColumn NumberKey{QStringLiteral("Deliveries"), QStringLiteral("deliveryno")};

// Without a database every function here finds nothing and stores nothing.
// Every delivery number in use, each once, in the order it was first booked.
QStringList numbersInUse(Database *database);

// What the delivery screen's boxes hold, as typed.
struct Delivery
{
    QString number;
    QString productId;
    QString quantity;
    QString orderPrice;
    QString salesPrice;
    QDate date;
    // The prices the boxes were filled with, as the product held them then.
    // A price left as proposed stands for the product's price as stored when
    // the booking is made, which may be newer than the proposal.
    QString proposedOrderPrice = {};
    QString proposedSalesPrice = {};
};

// The product as the booking left it.
struct BookedProduct
{
    qint64 productId = 0;
    double quantityOnHand = 0;
    // Everything delivered of this product, this delivery included.
    double quantityDelivered = 0;
    Money orderPrice;
    Money salesPrice;
};

struct BookingResult
{
    std::optional<BookedProduct> booked;
    // Why nothing was stored, in German for the user; empty after a booking.
    QString refusal;
};

// Stores the delivery's row and raises the product's stock by the quantity
// (more than 0) and sets its prices, all together or, when anything is wrong, not at all.
// A price left as proposed never writes an older price over a newer one.
BookingResult book(Database *database, const Delivery &delivery);

} // namespace deliveries
