#pragma once

#include <compare>
#include <cstdint>

// An amount of euros held in whole cents. Money is never held in binary
// floating point: a till that adds 0,10 ten times must show exactly 1,00.
class Money
{
public:
    constexpr Money() = default;
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents); }

    constexpr std::int64_t cents() const { return m_cents; }
    constexpr bool isZero() const { return m_cents == 0; }

    constexpr Money operator+(Money other) const { return Money(m_cents + other.m_cents); }
    constexpr Money operator-(Money other) const { return Money(m_cents - other.m_cents); }
    constexpr Money operator-() const { return Money(-m_cents); }
    Money &operator+=(Money other) { m_cents += other.m_cents; return *this; }
    Money &operator-=(Money other) { m_cents -= other.m_cents; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

    // The amount times a quantity such as 1,5, rounded to whole cents half away
    // from zero.
    Money times(double quantity) const;

    // The amount × numerator ÷ denominator, rounded half away from zero; exact
    // for the shop's tax shares (× 19 ÷ 119) and percentages (× 90 ÷ 100).
    Money mulDiv(std::int64_t numerator, std::int64_t denominator) const;

    // Euros as a plain number, for display formats only.
    double toDouble() const { return static_cast<double>(m_cents) / 100.0; }

private:
    constexpr explicit Money(std::int64_t cents) : m_cents(cents) {}
    std::int64_t m_cents = 0;
};

// Integer division rounding half away from zero (denominator > 0).
std::int64_t divideRoundingHalfAway(std::int64_t numerator, std::int64_t denominator);
