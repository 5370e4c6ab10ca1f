#pragma once

#include <optional>
#include <vector>

#include <QDate>
#include <QString>

#include "platform/money.h"
#include "till/order.h"

class Database;

// One completed sale as the till stores it.
struct Sale
{
    qint64 salesId = 0; // given when the sale is stored
    QDate date;
    Money total; // what the customer pays, after any discount
    QString customerId;
    // The driver's user id for a delivery with a driver chosen, otherwise the
    // logged-in user's id: the per-cashier report finds a cashier's sales by it.
    QString cashierId;
    Money fullRateTax;
    Money reducedRateTax;
    std::vector<OrderLine> lines;
    // A delivery adds the amount to what the customer owes.
    bool delivery = false;
};

// The number the next sale gets: one more than the highest stored, so that a
// cancelled payment leaves the number free for the next one.
// Nothing when the database cannot be read (see Database::lastError()).
std::optional<qint64> nextSaleNumber(Database &database);

// Stores a sale in one transaction: its Sales row under the next free sale
// number (written into sale.salesId), a SalesDetails row per order line with
// the product's stock lowered by the line's quantity, and for a delivery the
// sale's total added to the customer's balance. Either all of it is stored
// or, with a German message in *error, none of it: a sale without lines, or
// a delivery to a customer who does not exist, is refused.
bool storeSale(Database &database, Sale &sale, QString *error);

// The message for a customer number that no customer has.
inline const QString CustomerNotFound = QStringLiteral("Kunde nicht gefunden!");

// Writes the order lines of a sale and lowers each product's stock, kept to
// three decimals (a stock may go below zero; a product without a stock
// figure keeps none). Part of
// storeSale's transaction; false when the database refuses a line.
bool SaveSalesDetails(Database &database, qint64 salesId, const std::vector<OrderLine> &lines);
