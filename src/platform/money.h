#pragma once

#include <compare>
#include <cstdint>
#include <stdexcept>

// An amount that no longer fits the cents Money holds. Arithmetic that would
// wrap round to a wrong amount raises this instead.
class MoneyOverflow : public std::overflow_error
{
public:
    MoneyOverflow() : std::overflow_error("amount out of range") {}
};

// An amount of euros held in whole cents. Money is never held in binary
// floating point: a till that adds 0,10 ten times must show exactly 1,00.
// Every operation checks its range and raises MoneyOverflow rather than
// wrap round to a wrong amount.
class Money
{
public:
    constexpr Money() = default;
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents); }

    constexpr std::int64_t cents() const { return m_cents; }
    constexpr bool isZero() const { return m_cents == 0; }

    constexpr Money operator+(Money other) const
    {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(m_cents, other.m_cents, &sum))
            throw MoneyOverflow();
        return Money(sum);
    }
    constexpr Money operator-(Money other) const
    {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(m_cents, other.m_cents, &difference))
            throw MoneyOverflow();
        return Money(difference);
    }
    constexpr Money operator-() const { return Money() - *this; }
    Money &operator+=(Money other) { return *this = *this + other; }
    Money &operator-=(Money other) { return *this = *this - other; }
    constexpr auto operator<=>(const Money &) const = default;

    // The amount times a quantity such as 1,5, rounded to whole cents half away
    // from zero. Raises MoneyOverflow for a product out of range.
    Money times(double quantity) const;

    // The amount × numerator ÷ denominator, rounded half away from zero; exact
    // for the shop's tax shares (× 19 ÷ 119) and percentages (× 90 ÷ 100).
    // Raises MoneyOverflow for a result out of range.
    Money mulDiv(std::int64_t numerator, std::int64_t denominator) const;

private:
    constexpr explicit Money(std::int64_t cents) : m_cents(cents) {}
    std::int64_t m_cents = 0;
};

// Integer division rounding half away from zero (denominator > 0).
std::int64_t divideRoundingHalfAway(std::int64_t numerator, std::int64_t denominator);
