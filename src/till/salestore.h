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
    qint64 salesId = 0;
    QDate date;
    Money total; // what the customer pays, after any discount
    QString customerId;
    // The driver's user id for a delivery with a driver chosen, otherwise the
    // logged-in user's id: the per-cashier report finds a cashier's sales by it.
    QString cashierId;
    Money fullRateTax;
    Money reducedRateTax;
    std::vector<OrderLine> lines;
    // A delivery puts the amount on the customer's account.
    bool delivery = false;
};

// The number the next sale gets: one more than the highest stored, so that a
// cancelled payment leaves the number free for the next one.
// Nothing when the database cannot be read (see Database::lastError()).
std::optional<qint64> nextSaleNumber(Database &database);

// Stores a sale in one transaction: its Sales row, a SalesDetails row per
// order line with the product's stock lowered by the line's quantity, and
// for a delivery the customer's balance set to the sale's total. Either all
// of it is stored or, with a German message in *error, none of it.
bool storeSale(Database &database, const Sale &sale, QString *error);

// Writes the order lines of a sale and lowers each product's stock (a stock
// may go below zero; a product without a stock figure keeps none). Part of
// storeSale's transaction; false when the database refuses a line.
bool SaveSalesDetails(Database &database, qint64 salesId, const std::vector<OrderLine> &lines);
