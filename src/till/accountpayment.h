#pragma once

#include <optional>

#include <QString>

#include "platform/money.h"

class Recordset;

// A customer paying towards the balance of the account: the balance falls by
// the amount paid.
struct AccountPayment
{
    enum class Outcome { Booked, CustomerNotFound, NotStored };

    Outcome outcome = Outcome::Booked;
    Money balanceBefore;
    // The balance the invoice prints; nothing when the amount paid is no
    // number, which leaves the balance as it was.
    std::optional<Money> balanceAfter;
    // Why the new balance was not stored (Outcome::NotStored).
    QString error;
};

// Books the payment typed as paidText (German notation) to the customer
// customerId in the customers' recordset, the list the other screens share:
// it is left narrowed to that customer, showing the new balance. A payment
// is never booked to no one; a refused write leaves the row as stored.
AccountPayment bookAccountPayment(Recordset &customers, const QString &customerId, const QString &paidText);
