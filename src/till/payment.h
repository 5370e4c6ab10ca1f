#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "platform/money.h"
#include "till/order.h"

class Database;

// What the till's amount boxes show before they hold an amount of their own:
// the total, the price and amount of the line being entered, and the payment
// dialog's amounts. It reads as zero (readAmountBox), although the shop
// writes an amount of zero "0,00".
inline const QString BlankAmount = QStringLiteral("0.00");
// What the amount tendered shows before anything is tendered, and after "CLR".
inline const QString NothingTendered = QStringLiteral("0");
// What the tax sums show before the order holds a line at their rate.
inline const QString NoTaxSum = QStringLiteral("0");

// Reads an amount box as de::parseAmount reads a typed amount; the box's
// blank text is zero.
std::optional<Money> readAmountBox(const QString &text);

// What the customer pays for one sale: the order's total as the sales screen
// handed it to the payment, less a discount, with the tax contained in it.
//
// The discount is a percentage of the amount handed over, never of an amount
// already discounted: applying 10 % twice leaves 90 % of it, and applying 5 %
// afterwards replaces the 10 %. The amount due is rounded to whole cents.
//
// The tax sums are those of the order while no discount is taken. With a
// discount they are the tax contained in what the customer pays: the amount
// due is shared out over the two rates and the untaxed rest in proportion to
// their amounts in the order, in whole cents that add up to the amount due,
// and each rate's share yields its tax (× 19 ÷ 119, × 7 ÷ 107).
class PaymentAmounts
{
public:
    PaymentAmounts() = default;
    explicit PaymentAmounts(const OrderSums &order);

    // Reads the percentage as typed ("10", "12,5"); an empty text means no
    // discount. Text that is not a number from 0 to 100 with at most two
    // decimals is refused (false) and leaves the discount as it was.
    bool applyDiscount(const QString &percentText);

    Money amountDue() const;
    Money fullRateTax() const;
    Money reducedRateTax() const;
    // The percentage taken off, as the receipt prints it: "0", "10", "12,5".
    QString discountText() const;

private:
    // The share of the amount due that the order's lines at one rate make.
    Money shareOfAmountDue(Money gross) const;

    OrderSums m_order;
    std::int64_t m_discountHundredths = 0; // hundredths of a percent
};

// The change for the amount tendered, or nothing when the text is not an
// amount (de::parseAmount) or is less than the amount due.
std::optional<Money> changeFor(Money amountDue, const QString &tenderedText);

// Every user account may drive a delivery: their ids in the table's order.
// Nothing when the database cannot be read (see Database::lastError()).
std::optional<QStringList> driverIds(Database &database);
