#pragma once

#include <optional>

#include <QString>

#include "platform/money.h"

class Recordset;

// A customer paying towards the balance of the account: the balance falls by
// the amount paid.
struct AccountPayment
{
    // NotAnAmount: the amount paid is no amount with at most two decimals;
    // OutOfRange: the new balance would not fit an amount. Neither books
    // anything.
    enum class Outcome { Booked, CustomerNotFound, NotAnAmount, OutOfRange, NotStored };

    Outcome outcome = Outcome::Booked;
    Money balanceBefore;
    // The balance the invoice prints; set only for a booked payment.
    std::optional<Money> balanceAfter;
    // Why the new balance was not stored (Outcome::NotStored).
    QString error;
};

// Books the payment typed as paidText (German notation) to the customer
// customerId in the customers' recordset, the list the other screens share:
// it is left narrowed to that customer, showing the new balance. A payment
// is never booked to no one nor rounded; a refused write leaves the row as
// stored.
AccountPayment bookAccountPayment(Recordset &customers, const QString &customerId, const QString &paidText);
