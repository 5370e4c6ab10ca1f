#include "till/accountpayment.h"

#include "data/recordset.h"
#include "till/payment.h"

AccountPayment bookAccountPayment(Recordset &customers, const QString &customerId, const QString &paidText)
{
    AccountPayment booking;
    customers.setFilter({{QStringLiteral("CustomerID"), customerId}});
    if (customers.eof()) {
        booking.outcome = AccountPayment::Outcome::CustomerNotFound;
        return booking;
    }
    const QString balanceColumn = QStringLiteral("accountbalance");
    booking.balanceBefore = customers.money(balanceColumn);
    const auto paid = readAmountBox(paidText);
    if (!paid) {
        booking.outcome = AccountPayment::Outcome::NotAnAmount;
        return booking;
    }
    try {
        booking.balanceAfter = booking.balanceBefore - *paid;
    } catch (const MoneyOverflow &) {
        booking.outcome = AccountPayment::Outcome::OutOfRange;
        return booking;
    }
    if (paid->isZero())
        return booking;
    if (!customers.setMoney(balanceColumn, *booking.balanceAfter) || !customers.update()) {
        booking.outcome = AccountPayment::Outcome::NotStored;
        booking.error = customers.lastError();
        booking.balanceAfter.reset();
        customers.cancelUpdate();
    }
    return booking;
}
