#include "till/payment.h"

#include "platform/locale.h"

namespace {
constexpr std::int64_t WholeInHundredths = 100 * 100;
} // namespace

PaymentAmounts::PaymentAmounts(const OrderSums &order) : m_order(order) {}

bool PaymentAmounts::applyDiscount(const QString &percentText)
{
    if (percentText.trimmed().isEmpty()) {
        m_discountHundredths = 0;
        return true;
    }
    // A percentage reads like an amount: two decimals, exactly.
    const auto percent = de::parseMoney(percentText);
    if (!percent || percent->cents() < 0 || percent->cents() > WholeInHundredths)
        return false;
    m_discountHundredths = percent->cents();
    return true;
}

QString PaymentAmounts::discountText() const
{
    return de::formatGeneral(static_cast<double>(m_discountHundredths) / 100.0);
}

Money PaymentAmounts::amountDue() const
{
    return m_order.total.mulDiv(WholeInHundredths - m_discountHundredths, WholeInHundredths);
}

// Each rate's share is the rounded running share minus the rounded running
// share before it: the shares then add up to the amount due exactly, and
// each lies less than a cent from its exact proportion.
Money PaymentAmounts::shareOfAmountDue(Money gross, Money grossBefore) const
{
    const std::int64_t total = m_order.total.cents();
    if (total == 0)
        return {};
    // An order that pays money out (returns only) is shared out alike.
    const std::int64_t sign = total < 0 ? -1 : 1;
    const Money due = amountDue();
    const auto runningShare = [&](Money runningGross) { return due.mulDiv(sign * runningGross.cents(), sign * total); };
    return runningShare(grossBefore + gross) - runningShare(grossBefore);
}

Money PaymentAmounts::fullRateTax() const
{
    if (m_discountHundredths == 0)
        return m_order.fullRateTax;
    return Order::taxContained(shareOfAmountDue(m_order.fullRateGross, {}), QString::fromLatin1(Order::FullRate));
}

Money PaymentAmounts::reducedRateTax() const
{
    if (m_discountHundredths == 0)
        return m_order.reducedRateTax;
    return Order::taxContained(shareOfAmountDue(m_order.reducedRateGross, m_order.fullRateGross),
                               QString::fromLatin1(Order::ReducedRate));
}

std::optional<Money> changeFor(Money amountDue, const QString &tenderedText)
{
    const auto tendered = de::parseMoney(tenderedText);
    if (!tendered || *tendered < amountDue)
        return std::nullopt;
    return *tendered - amountDue;
}
