#include "platform/money.h"

#include <cmath>
#include <cstdlib>

namespace {
__extension__ typedef __int128 int128;
int128 divideRoundingHalfAway128(int128 numerator, int128 denominator)
{
    const int128 magnitude = ((numerator < 0 ? -numerator : numerator) * 2 + denominator) / (denominator * 2);
    return numerator < 0 ? -magnitude : magnitude;
}
} // namespace

std::int64_t divideRoundingHalfAway(std::int64_t numerator, std::int64_t denominator)
{
    return static_cast<std::int64_t>(divideRoundingHalfAway128(numerator, denominator));
}

Money Money::times(double quantity) const
{
    // Quantities are typed with at most a few decimals; taking them in
    // millionths first removes the binary noise of 0,7 (0.69999…) before the
    // product is rounded to cents.
    const int128 millionths = static_cast<int128>(std::llround(quantity * 1000000.0));
    return Money(static_cast<std::int64_t>(divideRoundingHalfAway128(millionths * m_cents, 1000000)));
}

Money Money::mulDiv(std::int64_t numerator, std::int64_t denominator) const
{
    return Money(static_cast<std::int64_t>(
        divideRoundingHalfAway128(static_cast<int128>(m_cents) * numerator, denominator)));
}
