#include "till/payment.h"

#include "platform/locale.h"

namespace {
constexpr std::int64_t WholeInHundredths = 100 * 100;
} // namespace

PaymentAmounts::PaymentAmounts(Money handedOver, Money fullRateTax, Money reducedRateTax)
    : m_handedOver(handedOver), m_fullRateTax(fullRateTax), m_reducedRateTax(reducedRateTax)
{
}

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

Money PaymentAmounts::reduced(Money amount) const
{
    return amount.mulDiv(WholeInHundredths - m_discountHundredths, WholeInHundredths);
}

std::optional<Money> changeFor(Money amountDue, const QString &tenderedText)
{
    const auto tendered = de::parseMoney(tenderedText);
    if (!tendered || *tendered < amountDue)
        return std::nullopt;
    return *tendered - amountDue;
}
