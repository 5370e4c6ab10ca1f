#pragma once

#include <optional>

#include <QString>

#include "platform/money.h"

// What the customer pays for one sale: the order's total as the sales screen
// handed it to the payment, less a discount, with the tax contained in it.
//
// The discount is a percentage of the amount handed over, never of an amount
// already discounted: applying 10 % twice leaves 90 % of it, and applying 5 %
// afterwards replaces the 10 %. The amount due is rounded to whole cents; the
// two tax sums are reduced by the same percentage, so that they stay the tax
// contained in what the customer pays.
class PaymentAmounts
{
public:
    PaymentAmounts() = default;
    PaymentAmounts(Money handedOver, Money fullRateTax, Money reducedRateTax);

    // Reads the percentage as typed ("10", "12,5"); an empty text means no
    // discount. Text that is not a number from 0 to 100 is refused (false)
    // and leaves the discount as it was.
    bool applyDiscount(const QString &percentText);

    Money handedOver() const { return m_handedOver; }
    Money amountDue() const { return reduced(m_handedOver); }
    Money fullRateTax() const { return reduced(m_fullRateTax); }
    Money reducedRateTax() const { return reduced(m_reducedRateTax); }
    // The percentage taken off, as the receipt prints it: "0", "10", "12,5".
    QString discountText() const;

private:
    Money reduced(Money amount) const;

    Money m_handedOver;
    Money m_fullRateTax;
    Money m_reducedRateTax;
    std::int64_t m_discountHundredths = 0; // hundredths of a percent
};

// The change for the amount tendered, or nothing when the text is not an
// amount or is less than the amount due.
std::optional<Money> changeFor(Money amountDue, const QString &tenderedText);
