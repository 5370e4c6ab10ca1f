#include "till/order.h"

#include "platform/locale.h"

std::optional<double> Order::parseQuantity(const QString &text)
{
    const auto quantity = de::parseQuantity(text);
    if (!quantity || *quantity <= 0 || *quantity > LargestQuantity)
        return std::nullopt;
    return quantity;
}

std::optional<Money> Order::lineAmount(double quantity, Money unitPrice)
{
    try {
        return unitPrice.times(quantity);
    } catch (const MoneyOverflow &) {
        return std::nullopt;
    }
}

Money Order::taxContained(Money amount, const QString &taxRate)
{
    // The share is never exactly half a cent (119 and 107 would have to
    // divide the amount, and then the share is whole), so rounding each
    // line's share gives the same sums as rounding the sum after each line.
    if (taxRate == QLatin1String(FullRate))
        return amount.mulDiv(19, 119);
    if (taxRate == QLatin1String(ReducedRate))
        return amount.mulDiv(7, 107);
    return {};
}

bool Order::add(const OrderLine &line)
{
    try {
        (void)(total() + line.amount);
    } catch (const MoneyOverflow &) {
        return false;
    }
    m_lines.push_back(line);
    bookTax(line, +1);
    return true;
}

OrderLine Order::removeAt(int index)
{
    OrderLine line = m_lines.at(static_cast<std::size_t>(index));
    m_lines.erase(m_lines.begin() + index);
    bookTax(line, -1);
    return line;
}

Money Order::total() const
{
    Money sum;
    for (const OrderLine &line : m_lines)
        sum += line.amount;
    return sum;
}

OrderSums Order::sums() const
{
    OrderSums sums{total(), {}, {}, m_fullRateTax, m_reducedRateTax};
    for (const OrderLine &line : m_lines) {
        if (line.taxRate == QLatin1String(FullRate))
            sums.fullRateGross += line.amount;
        else if (line.taxRate == QLatin1String(ReducedRate))
            sums.reducedRateGross += line.amount;
    }
    return sums;
}

void Order::clearTaxSums()
{
    m_fullRateTax = {};
    m_reducedRateTax = {};
}

void Order::bookTax(const OrderLine &line, int sign)
{
    const Money tax = sign > 0 ? taxContained(line.amount, line.taxRate) : -taxContained(line.amount, line.taxRate);
    if (line.taxRate == QLatin1String(FullRate))
        m_fullRateTax += tax;
    else if (line.taxRate == QLatin1String(ReducedRate))
        m_reducedRateTax += tax;
}
