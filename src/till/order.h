#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "data/taxrates.h"
#include "platform/locale.h"
#include "platform/money.h"

// One line of the order being entered on the till. The texts are kept as the
// cashier saw them (the quantity "1,5" as typed); the amount is exact.
struct OrderLine
{
    QString productId;
    QString category;
    QString description;
    QString quantity;  // as typed
    QString unitPrice; // as shown in the price box
    Money amount;
    // The product's tax rate as the product table holds it ("19", "7", ...).
    // The line keeps it, so that taking the line back takes off its own tax.
    QString taxRate;
};

// What the payment needs of an order: the total, the share of it at each tax
// rate, and the tax sums as the order keeps them line by line.
struct OrderSums
{
    Money total;
    Money fullRateGross;    // the amounts of the 19 % lines
    Money reducedRateGross; // the amounts of the 7 % lines
    Money fullRateTax;
    Money reducedRateTax;
};

// The till's order: its lines, the total and the tax contained in it.
//
// Prices include tax. The tax of a line is the share of its amount that is tax
// (× 19 ÷ 119 or × 7 ÷ 107); each rate's sum takes each line's share and is
// rounded to cents after every line, so two lines of 1,00 at "7" hold 0,14 of
// tax, not the 0,13 of the rounded sum.
class Order
{
public:
    static constexpr auto FullRate = taxrates::Full;
    static constexpr auto ReducedRate = taxrates::Reduced;

    // The largest quantity of one line: more is a typing slip, not a sale.
    static constexpr double LargestQuantity = de::LargestQuantity;

    // Reads a typed quantity as de::parseQuantity does ("1,5", never "1.250"),
    // greater than 0 and at most LargestQuantity.
    static std::optional<double> parseQuantity(const QString &text);

    // Quantity × unit price in cents, rounded half away from zero; nothing
    // when the amount is out of range.
    static std::optional<Money> lineAmount(double quantity, Money unitPrice);

    // The tax contained in an amount at the given rate; nothing for a rate the
    // shop does not know (the text is compared exactly).
    static Money taxContained(Money amount, const QString &taxRate);

    // Adds a line; false, and nothing added, when the total would be out of
    // range.
    bool add(const OrderLine &line);
    // Takes a line off the order with its tax; the index must be valid.
    OrderLine removeAt(int index);

    const std::vector<OrderLine> &lines() const { return m_lines; }
    int count() const { return static_cast<int>(m_lines.size()); }
    bool isEmpty() const { return m_lines.empty(); }

    // The sum of the line amounts.
    Money total() const;
    // The tax contained in the order at 19 % and at 7 %.
    Money fullRateTax() const { return m_fullRateTax; }
    Money reducedRateTax() const { return m_reducedRateTax; }
    OrderSums sums() const;

    // After a sale the lines go at once, while the tax sums are still printed
    // on the receipt; they are cleared separately.
    void clearLines() { m_lines.clear(); }
    void clearTaxSums();

private:
    void bookTax(const OrderLine &line, int sign);

    std::vector<OrderLine> m_lines;
    Money m_fullRateTax;
    Money m_reducedRateTax;
};
