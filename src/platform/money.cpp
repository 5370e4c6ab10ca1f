#include "platform/money.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
__extension__ typedef __int128 int128;
int128 divideRoundingHalfAway128(int128 numerator, int128 denominator)
{
    const int128 magnitude = ((numerator < 0 ? -numerator : numerator) * 2 + denominator) / (denominator * 2);
    return numerator < 0 ? -magnitude : magnitude;
}

std::int64_t narrowed(int128 value)
{
    if (value > std::numeric_limits<std::int64_t>::max() || value < std::numeric_limits<std::int64_t>::min())
        throw MoneyOverflow();
    return static_cast<std::int64_t>(value);
}

// Far beyond any quantity a till sells, and small enough that the product
// with any amount of cents stays inside 128 bits.
constexpr double LargestQuantity = 1e12;
} // namespace

std::int64_t divideRoundingHalfAway(std::int64_t numerator, std::int64_t denominator)
{
    return narrowed(divideRoundingHalfAway128(numerator, denominator));
}

Money Money::times(double quantity) const
{
    // Quantities are typed with at most a few decimals; taking them in
    // millionths first removes the binary noise of 0,7 (0.69999…) before the
    // product is rounded to cents.
    if (!std::isfinite(quantity) || std::fabs(quantity) > LargestQuantity)
        throw MoneyOverflow();
    const int128 millionths = static_cast<int128>(std::llround(quantity * 1000000.0));
    return Money(narrowed(divideRoundingHalfAway128(millionths * m_cents, 1000000)));
}

Money Money::mulDiv(std::int64_t numerator, std::int64_t denominator) const
{
    return Money(narrowed(divideRoundingHalfAway128(static_cast<int128>(m_cents) * numerator, denominator)));
}
