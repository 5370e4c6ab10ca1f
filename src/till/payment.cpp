#include "till/payment.h"

#include "data/database.h"
#include "platform/locale.h"

namespace {
constexpr std::int64_t WholeInHundredths = 100 * 100;
} // namespace

std::optional<Money> readAmountBox(const QString &text)
{
    if (text == BlankAmount)
        return Money();
    return de::parseAmount(text);
}

PaymentAmounts::PaymentAmounts(const OrderSums &order) : m_order(order) {}

bool PaymentAmounts::applyDiscount(const QString &percentText)
{
    if (percentText.trimmed().isEmpty()) {
        m_discountHundredths = 0;
        return true;
    }
    // A percentage reads like an amount: two decimals, exactly.
    const auto percent = readAmountBox(percentText);
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

// A rate's share of the amount due: its exact proportion rounded to whole
// cents, half away from zero.
Money PaymentAmounts::shareOfAmountDue(Money gross) const
{
    const std::int64_t total = m_order.total.cents();
    if (total == 0)
        return {};
    // An order that pays money out (returns only) is shared out alike.
    const std::int64_t sign = total < 0 ? -1 : 1;
    return amountDue().mulDiv(sign * gross.cents(), sign * total);
}

Money PaymentAmounts::fullRateTax() const
{
    if (m_discountHundredths == 0)
        return m_order.fullRateTax;
    return Order::taxContained(shareOfAmountDue(m_order.fullRateGross), QString::fromLatin1(Order::FullRate));
}

Money PaymentAmounts::reducedRateTax() const
{
    if (m_discountHundredths == 0)
        return m_order.reducedRateTax;
    // Without untaxed lines the two shares make the amount due: the 7 % share
    // is what the 19 % share leaves. With them, the untaxed rest takes what
    // the two rounded shares leave (never less than nothing: the rounding
    // can take at most the fraction of a cent the rest holds).
    const bool untaxedRest = m_order.fullRateGross + m_order.reducedRateGross != m_order.total;
    const Money share = untaxedRest ? shareOfAmountDue(m_order.reducedRateGross)
                                    : amountDue() - shareOfAmountDue(m_order.fullRateGross);
    return Order::taxContained(share, QString::fromLatin1(Order::ReducedRate));
}

std::optional<Money> changeFor(Money amountDue, const QString &tenderedText)
{
    const auto tendered = readAmountBox(tenderedText);
    if (!tendered || *tendered < amountDue)
        return std::nullopt;
    return *tendered - amountDue;
}

std::optional<QStringList> driverIds(Database &database)
{
    const auto users = database.select(QStringLiteral("SELECT UserID FROM UserAccount ORDER BY rowid"));
    if (!users)
        return std::nullopt;
    QStringList ids;
    for (const std::vector<QVariant> &user : users->values)
        ids << user.front().toString();
    return ids;
}
